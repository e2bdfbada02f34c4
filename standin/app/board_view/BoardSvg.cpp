#include "app/board_view/BoardSvg.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <vector>

#include "app/board_view/BoardExtent.h"
#include "app/board_view/BoardLegend.h"
#include "app/board_view/LayerStyle.h"
#include "app/board_view/PrimitiveSvg.h"
#include "app/board_view/SvgElement.h"
#include "app/board_view/TextSink.h"

namespace pcbhost {
namespace {

// A board with nothing to draw shows as a square inch.
constexpr double kEmptyBoardSize = 10000000;
// Margin around the board: a share of its size, at least 20 mil.
constexpr double kMarginShare = 0.04;
constexpr double kLeastMargin = 200000;
// Outlines are this share of the board's size wide; keepout hatching this share apart.
constexpr double kOutlineShare = 1.0 / 600;
constexpr double kHatchShare = 1.0 / 100;
// The legend's line height as a share of the picture's size.
constexpr double kLegendLineShare = 1.0 / 24;
// Pixel size of the picture's larger side.
constexpr double kPictureSize = 1200;

// What the picture shows, sorted into the groups it draws.
struct TDrawing {
  const TBoardView& View;
  std::map<uint32_t, std::vector<const TPrimitiveView*>> ByLayer;
  std::vector<const TPrimitiveView*> Vias;
  std::vector<const TAreaView*> Outlines;
  std::vector<const TPrimitiveView*> Holes;
  std::set<uint32_t> KeepoutLayers;
  TBoardBox Extent;
  TPrimitivePaint Paint;

  explicit TDrawing(const TBoardView& view) : View(view) {
    for (const TPrimitiveView& primitive : view.Primitives) Sort(primitive);
    if (Extent.Empty)
      Extent.Include(TBoardPoint{kEmptyBoardSize / 2, kEmptyBoardSize / 2}, kEmptyBoardSize / 2);
    const double size = std::max(Extent.Width(), Extent.Height());
    const double margin = std::max(size * kMarginShare, kLeastMargin);
    Extent.Include(TBoardBox{Extent.MinX - margin, Extent.MinY - margin, Extent.MaxX + margin,
                             Extent.MaxY + margin, false});
    Paint.OutlineWidth = Size() * kOutlineShare;
  }

  double Size() const { return std::max(Extent.Width(), Extent.Height()); }

  void Sort(const TPrimitiveView& primitive) {
    Extent.Include(ExtentOf(primitive));
    if (HasDrillHole(primitive)) Holes.push_back(&primitive);
    if (std::holds_alternative<TViaView>(primitive.Shape)) {
      Vias.push_back(&primitive);
      return;
    }
    if (const auto* area = std::get_if<TAreaView>(&primitive.Shape);
        area && area->Kind == TAreaKind::BoardOutline) {
      Outlines.push_back(area);
      return;
    }
    ByLayer[primitive.Layer].push_back(&primitive);
    if (IsKeepoutArea(primitive)) KeepoutLayers.insert(primitive.Layer);
  }

  std::vector<uint32_t> DrawOrder() const {
    std::vector<uint32_t> layers;
    for (const auto& [layer, primitives] : ByLayer) layers.push_back(layer);
    return LayerDrawOrder(layers, View.LayerStack());
  }
};

std::string KeepoutPatternId(uint32_t layer) { return "keepout-" + std::to_string(layer); }

// Diagonal hatching in the layer's colour over a faint wash of it.
std::string KeepoutPattern(uint32_t layer, double spacing) {
  const std::string colour(LayerColour(layer));
  return TSvgElement("pattern")
             .Set("id", KeepoutPatternId(layer))
             .Set("patternUnits", "userSpaceOnUse")
             .Length("width", spacing)
             .Length("height", spacing)
             .Set("patternTransform", "rotate(45)")
             .Open() +
         TSvgElement("rect")
             .Length("width", spacing)
             .Length("height", spacing)
             .Set("fill", colour)
             .Number("fill-opacity", 0.15)
             .Empty() +
         TSvgElement("line")
             .Length("x1", 0.0)
             .Length("y1", 0.0)
             .Length("x2", 0.0)
             .Length("y2", spacing)
             .Set("stroke", colour)
             .Length("stroke-width", spacing / 2)
             .Empty() +
         "</pattern>\n";
}

std::string Definitions(const TDrawing& drawing) {
  std::string defs = "<defs>\n";
  for (const uint32_t layer : drawing.KeepoutLayers)
    defs += KeepoutPattern(layer, drawing.Size() * kHatchShare);
  return defs + "</defs>\n";
}

TPrimitivePaint LayerPaint(const TDrawing& drawing, uint32_t layer) {
  TPrimitivePaint paint = drawing.Paint;
  paint.KeepoutFill = "url(#" + KeepoutPatternId(layer) + ")";
  return paint;
}

// Whether any of the primitives draws something: groups that would stay empty are left out,
// and the legend, which the picture's size depends on, is known before anything is written.
template <typename TDraw>
bool AnyDrawn(const std::vector<const TPrimitiveView*>& primitives, TDraw draw) {
  return std::any_of(primitives.begin(), primitives.end(),
                     [&](const TPrimitiveView* primitive) { return !draw(*primitive).empty(); });
}

bool AnyDrawn(const std::vector<const TPrimitiveView*>& primitives, const TPrimitivePaint& paint) {
  return AnyDrawn(primitives,
                  [&](const TPrimitiveView& primitive) { return PrimitiveSvg(primitive, paint); });
}

// The layers drawn, in drawing order, each with whether its group has anything in it.
std::vector<std::pair<uint32_t, bool>> LayersDrawn(const TDrawing& drawing) {
  std::vector<std::pair<uint32_t, bool>> layers;
  for (const uint32_t layer : drawing.DrawOrder())
    layers.emplace_back(layer, AnyDrawn(drawing.ByLayer.at(layer), LayerPaint(drawing, layer)));
  return layers;
}

std::vector<TLegendEntry> Legend(const TDrawing& drawing,
                                 const std::vector<std::pair<uint32_t, bool>>& layers) {
  std::vector<TLegendEntry> legend;
  for (const auto& [layer, drawn] : layers)
    if (drawn) legend.push_back({drawing.View.LayerName(layer), std::string(LayerColour(layer))});
  if (!drawing.Vias.empty()) legend.push_back({"Vias", std::string(kViaColour)});
  if (!drawing.Outlines.empty()) legend.push_back({"Board outline", std::string(kOutlineColour)});
  if (!drawing.Holes.empty()) legend.push_back({"Drill holes", std::string(kDrillHoleColour)});
  return legend;
}

// Writes the group with its members, each handed on as the text grows.
template <typename TDrawMember>
void WriteGroup(TTextSink& out, const TSvgElement& group,
                const std::vector<const TPrimitiveView*>& members, TDrawMember drawMember) {
  out.Append(group.Open());
  for (const TPrimitiveView* member : members) {
    out.Text() += drawMember(*member);
    out.FlushWhenFull();
  }
  out.Append(group.Close());
}

void WriteLayerGroup(const TDrawing& drawing, uint32_t layer, TTextSink& out) {
  const TPrimitivePaint paint = LayerPaint(drawing, layer);
  const std::string colour(LayerColour(layer));
  const TSvgElement group = TSvgElement("g")
                                .Set("id", "layer-" + std::to_string(layer))
                                .Set("class", "layer")
                                .Set("data-layer", drawing.View.LayerName(layer))
                                .Set("fill", colour)
                                .Set("stroke", colour)
                                .Number("opacity", LayerOpacity(layer));
  WriteGroup(out, group, drawing.ByLayer.at(layer),
             [&](const TPrimitiveView& primitive) { return PrimitiveSvg(primitive, paint); });
}

void WriteViaGroup(const TDrawing& drawing, TTextSink& out) {
  if (!AnyDrawn(drawing.Vias, drawing.Paint)) return;
  const TSvgElement group =
      TSvgElement("g").Set("id", "vias").Set("fill", kViaColour).Set("stroke", "none");
  WriteGroup(out, group, drawing.Vias,
             [&](const TPrimitiveView& via) { return PrimitiveSvg(via, drawing.Paint); });
}

std::string OutlineGroup(const TDrawing& drawing, std::string_view id, std::string_view fill,
                         std::string_view stroke) {
  std::string body;
  for (const TAreaView* outline : drawing.Outlines)
    if (outline->Outline.size() >= 2)
      body += TSvgElement("polygon").Set("points", OutlinePoints(*outline)).Empty();
  TSvgElement group("g");
  group.Set("id", id).Set("fill", fill).Set("stroke", stroke);
  if (stroke != "none")
    group.Length("stroke-width", drawing.Paint.OutlineWidth).Set("stroke-linejoin", "round");
  return body.empty() ? "" : group.Open() + body + group.Close();
}

void WriteHoleGroup(const TDrawing& drawing, TTextSink& out) {
  if (!AnyDrawn(drawing.Holes, DrillHoleSvg)) return;
  const TSvgElement group =
      TSvgElement("g").Set("id", "drill-holes").Set("fill", kDrillHoleColour).Set("stroke", "none");
  WriteGroup(out, group, drawing.Holes, DrillHoleSvg);
}

// The board, y axis up: one flipped group holds every layer, bottom side first.
void WriteBoardGroup(const TDrawing& drawing,
                     const std::vector<std::pair<uint32_t, bool>>& layers, TTextSink& out) {
  const TSvgElement board = TSvgElement("g").Set("id", "board").Set("transform", "scale(1,-1)");
  out.Append(board.Open());
  out.Append(OutlineGroup(drawing, "board-shape", kBoardColour, "none"));
  bool viasDrawn = false;
  for (const auto& [layer, drawn] : layers) {
    if (!viasDrawn && DrawnAboveVias(layer)) {
      WriteViaGroup(drawing, out);
      viasDrawn = true;
    }
    if (drawn) WriteLayerGroup(drawing, layer, out);
  }
  if (!viasDrawn) WriteViaGroup(drawing, out);
  out.Append(OutlineGroup(drawing, "board-outline", "none", kOutlineColour));
  WriteHoleGroup(drawing, out);
  out.Append(board.Close());
}

}  // namespace

bool RenderBoardSvg(const TBoardView& view, const std::string& title, TTextSink& out) {
  const TDrawing drawing(view);
  const std::vector<std::pair<uint32_t, bool>> layers = LayersDrawn(drawing);
  const std::vector<TLegendEntry> legend = Legend(drawing, layers);

  // The flipped board covers x MinX..MaxX and y -MaxY..-MinY; the legend stands to its right.
  const double line = drawing.Size() * kLegendLineShare;
  const double left = drawing.Extent.MinX;
  const double top = -drawing.Extent.MaxY;
  const double legendLeft = drawing.Extent.MaxX;
  const double width = drawing.Extent.Width() + LegendWidth(legend, line);
  const double height = std::max(drawing.Extent.Height(), LegendHeight(legend, line));
  const double scale = kPictureSize / std::max(width, height);

  out.Append("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n");
  out.Append(TSvgElement("svg")
                 .Set("xmlns", "http://www.w3.org/2000/svg")
                 .Set("viewBox", SvgLength(left) + " " + SvgLength(top) + " " +
                                     SvgLength(width) + " " + SvgLength(height))
                 .Number("width", std::max(1.0, std::round(width * scale)))
                 .Number("height", std::max(1.0, std::round(height * scale)))
                 .Open());
  out.Append(TSvgElement("title").WithText(title));
  out.Append(Definitions(drawing));
  out.Append(TSvgElement("rect")
                 .Set("id", "background")
                 .Length("x", left)
                 .Length("y", top)
                 .Length("width", width)
                 .Length("height", height)
                 .Set("fill", kBackgroundColour)
                 .Empty());
  WriteBoardGroup(drawing, layers, out);
  out.Append(LegendSvg(legend, legendLeft, top, line));
  out.Append("</svg>\n");
  return out.Flush();
}

}  // namespace pcbhost
