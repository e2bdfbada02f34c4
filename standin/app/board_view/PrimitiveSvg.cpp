#include "app/board_view/PrimitiveSvg.h"

#include <cmath>
#include <numbers>
#include <utility>

#include "app/board_view/PadSvg.h"
#include "app/board_view/SvgElement.h"
#include "host/PcbApi.h"

namespace pcbhost {
namespace {

// Smallest outline that still encloses an area.
constexpr std::size_t kAreaCorners = 3;
// Filled share of polygons (whose copper the host does not pour) and split planes.
constexpr double kPolygonFillOpacity = 0.35;
constexpr double kSplitPlaneFillOpacity = 0.5;

TBoardPoint OnCircle(TBoardPoint centre, double radius, double degrees) {
  const double radians = degrees * std::numbers::pi / 180;
  return {centre.X + radius * std::cos(radians), centre.Y + radius * std::sin(radians)};
}

// Keepout lines are dashed, their width still exact. A line of width 0 (an outline, such as a
// footprint's keepout circle) is drawn as a hairline so that it stays visible.
TSvgElement& Stroked(TSvgElement& element, double width, double hairline, bool keepout) {
  if (width <= 0) width = hairline;
  element.Set("fill", "none").Length("stroke-width", width).Set("stroke-linecap", "round");
  if (keepout) element.Set("stroke-dasharray", SvgLength(2 * width) + " " + SvgLength(2 * width));
  return element;
}

struct TPrimitiveDrawer {
  const TPrimitiveView& Primitive;
  const TPrimitivePaint& Paint;

  std::string operator()(const TTrackView& track) const {
    TSvgElement line("line");
    line.Length("x1", track.From.X)
        .Length("y1", track.From.Y)
        .Length("x2", track.To.X)
        .Length("y2", track.To.Y);
    return Stroked(line, track.Width, Paint.OutlineWidth, Primitive.Keepout).Empty();
  }

  // Counter-clockwise from start to end; equal angles make a full circle.
  std::string operator()(const TArcView& arc) const {
    double sweep = std::fmod(arc.EndAngle - arc.StartAngle, 360.0);
    if (sweep <= 0) sweep += 360;
    if (sweep >= 360) {
      TSvgElement circle("circle");
      circle.Length("cx", arc.Centre.X).Length("cy", arc.Centre.Y).Length("r", arc.Radius);
      return Stroked(circle, arc.Width, Paint.OutlineWidth, Primitive.Keepout).Empty();
    }
    const TBoardPoint start = OnCircle(arc.Centre, arc.Radius, arc.StartAngle);
    const TBoardPoint end = OnCircle(arc.Centre, arc.Radius, arc.StartAngle + sweep);
    const std::string radius = SvgLength(arc.Radius);
    const std::string path = "M " + SvgLength(start.X) + " " + SvgLength(start.Y) + " A " + radius +
                             " " + radius + " 0 " + (sweep > 180 ? "1" : "0") + " 1 " +
                             SvgLength(end.X) + " " + SvgLength(end.Y);
    TSvgElement element("path");
    element.Set("d", path);
    return Stroked(element, arc.Width, Paint.OutlineWidth, Primitive.Keepout).Empty();
  }

  std::string operator()(const TViaView& via) const {
    return TSvgElement("circle")
        .Length("cx", via.Centre.X)
        .Length("cy", via.Centre.Y)
        .Length("r", via.Diameter / 2)
        .Empty();
  }

  std::string operator()(const TPadPointer& pad) const { return PadSvg(*pad, Primitive.Layer); }

  std::string operator()(const TFillView& fill) const {
    const double left = std::min(fill.Corner1.X, fill.Corner2.X);
    const double bottom = std::min(fill.Corner1.Y, fill.Corner2.Y);
    const double width = std::fabs(fill.Corner2.X - fill.Corner1.X);
    const double height = std::fabs(fill.Corner2.Y - fill.Corner1.Y);
    TSvgElement rect("rect");
    rect.Length("x", left).Length("y", bottom).Length("width", width).Length("height", height);
    if (fill.Rotation != 0)
      rect.Set("transform", "rotate(" + SvgNumber(fill.Rotation) + " " +
                                SvgLength(left + width / 2) + " " + SvgLength(bottom + height / 2) +
                                ")");
    KeepoutPaint(rect);
    return rect.Empty();
  }

  // Upright in the flipped drawing: the text flips back about its own anchor.
  std::string operator()(const TTextView& text) const {
    const std::string transform = "translate(" + SvgLength(text.Origin.X) + " " +
                                  SvgLength(text.Origin.Y) + ") scale(1 -1) rotate(" +
                                  SvgNumber(-text.Rotation) + ")";
    return TSvgElement("text")
        .Set("transform", transform)
        .Length("font-size", text.Height)
        .Set("font-family", "sans-serif")
        .Set("stroke", "none")
        .WithText(text.Text);
  }

  std::string operator()(const TAreaView& area) const {
    if (area.Kind == TAreaKind::BoardOutline || area.Outline.size() < kAreaCorners) return "";
    TSvgElement polygon("polygon");
    polygon.Set("points", OutlinePoints(area));
    if (IsKeepoutArea(Primitive)) {
      KeepoutPaint(polygon);
    } else if (area.Kind == TAreaKind::Region) {
      polygon.Set("stroke", "none");
    } else {
      const double opacity =
          area.Kind == TAreaKind::SplitPlane ? kSplitPlaneFillOpacity : kPolygonFillOpacity;
      polygon.Number("fill-opacity", opacity).Length("stroke-width", Paint.OutlineWidth);
    }
    return polygon.Empty();
  }

  void KeepoutPaint(TSvgElement& element) const {
    if (IsKeepoutArea(Primitive))
      element.Set("fill", Paint.KeepoutFill).Length("stroke-width", Paint.OutlineWidth);
    else
      element.Set("stroke", "none");
  }
};

// The centre and size of a pad's or via's hole; size 0 for anything else.
std::pair<TBoardPoint, double> HoleOf(const TPrimitiveView& primitive) {
  if (const auto* pad = std::get_if<TPadPointer>(&primitive.Shape))
    return {(*pad)->Centre, (*pad)->HoleSize};
  if (const auto* via = std::get_if<TViaView>(&primitive.Shape))
    return {via->Centre, via->HoleSize};
  return {{}, 0};
}

}  // namespace

bool IsKeepoutArea(const TPrimitiveView& primitive) {
  const bool area = std::holds_alternative<TFillView>(primitive.Shape) ||
                    (std::holds_alternative<TAreaView>(primitive.Shape) &&
                     std::get<TAreaView>(primitive.Shape).Kind != TAreaKind::BoardOutline);
  return area && (primitive.Keepout || primitive.Layer == kKeepOutLayer);
}

std::string PrimitiveSvg(const TPrimitiveView& primitive, const TPrimitivePaint& paint) {
  return std::visit(TPrimitiveDrawer{primitive, paint}, primitive.Shape);
}

bool HasDrillHole(const TPrimitiveView& primitive) { return HoleOf(primitive).second > 0; }

std::string DrillHoleSvg(const TPrimitiveView& primitive) {
  const auto [centre, hole] = HoleOf(primitive);
  if (hole <= 0) return "";
  return TSvgElement("circle")
      .Length("cx", centre.X)
      .Length("cy", centre.Y)
      .Length("r", hole / 2)
      .Empty();
}

std::string OutlinePoints(const TAreaView& area) {
  std::string points;
  for (const TBoardPoint& point : area.Outline)
    points += (points.empty() ? "" : " ") + SvgLength(point.X) + "," + SvgLength(point.Y);
  return points;
}

}  // namespace pcbhost
