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

// Appends the group's opening, its members and its closing to the text; leaves the text as it
// was and answers false when no member draws anything. Written in place: the layers of a large
// board are many megabytes.
template <typename TDrawMembers>
bool AppendGroup(std::string& text, const TSvgElement& group, TDrawMembers drawMembers) {
  const std::size_t start = text.size();
  text += group.Open();
  const std::size_t opened = text.size();
  drawMembers(text);
  if (text.size() == opened) {
    text.resize(start);
    return false;
  }
  text += group.Close();
  return true;
}

bool AppendLayerGroup(const TDrawing& drawing, uint32_t layer, std::string& text) {
  TPrimitivePaint paint = drawing.Paint;
  paint.KeepoutFill = "url(#" + KeepoutPatternId(layer) + ")";
  const std::string colour(LayerColour(layer));
  const TSvgElement group = TSvgElement("g")
                                .Set("id", "layer-" + std::to_string(layer))
                                .Set("class", "layer")
                                .Set("data-layer", drawing.View.LayerName(layer))
                                .Set("fill", colour)
                                .Set("stroke", colour)
                                .Number("opacity", LayerOpacity(layer));
  return AppendGroup(text, group, [&](std::string& out) {
    for (const TPrimitiveView* primitive : drawing.ByLayer.at(layer))
      out += PrimitiveSvg(*primitive, paint);
  });
}

void AppendViaGroup(const TDrawing& drawing, std::string& text) {
  const TSvgElement group =
      TSvgElement("g").Set("id", "vias").Set("fill", kViaColour).Set("stroke", "none");
  AppendGroup(text, group, [&](std::string& out) {
    for (const TPrimitiveView* via : drawing.Vias) out += PrimitiveSvg(*via, drawing.Paint);
  });
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

std::string HoleGroup(const TDrawing& drawing) {
  std::string body;
  for (const TPrimitiveView* primitive : drawing.Holes) body += DrillHoleSvg(*primitive);
  const TSvgElement group =
      TSvgElement("g").Set("id", "drill-holes").Set("fill", kDrillHoleColour).Set("stroke", "none");
  return body.empty() ? "" : group.Open() + body + group.Close();
}

// The board, y axis up: one flipped group holds every layer, bottom side first.
std::string BoardGroup(const TDrawing& drawing, std::vector<TLegendEntry>& legend) {
  const TSvgElement board = TSvgElement("g").Set("id", "board").Set("transform", "scale(1,-1)");
  std::string body = board.Open();
  body += OutlineGroup(drawing, "board-shape", kBoardColour, "none");
  bool viasDrawn = false;
  for (const uint32_t layer : drawing.DrawOrder()) {
    if (!viasDrawn && DrawnAboveVias(layer)) {
      AppendViaGroup(drawing, body);
      viasDrawn = true;
    }
    if (AppendLayerGroup(drawing, layer, body))
      legend.push_back({drawing.View.LayerName(layer), std::string(LayerColour(layer))});
  }
  if (!viasDrawn) AppendViaGroup(drawing, body);
  if (!drawing.Vias.empty()) legend.push_back({"Vias", std::string(kViaColour)});
  body += OutlineGroup(drawing, "board-outline", "none", kOutlineColour);
  if (!drawing.Outlines.empty()) legend.push_back({"Board outline", std::string(kOutlineColour)});
  body += HoleGroup(drawing);
  if (!drawing.Holes.empty()) legend.push_back({"Drill holes", std::string(kDrillHoleColour)});
  body += board.Close();
  return body;
}

}  // namespace

std::string RenderBoardSvg(const TBoardView& view, const std::string& title) {
  const TDrawing drawing(view);
  std::vector<TLegendEntry> legend;
  std::string board = BoardGroup(drawing, legend);

  // The flipped board covers x MinX..MaxX and y -MaxY..-MinY; the legend stands to its right.
  const double line = drawing.Size() * kLegendLineShare;
  const double left = drawing.Extent.MinX;
  const double top = -drawing.Extent.MaxY;
  const double legendLeft = drawing.Extent.MaxX;
  const double width = drawing.Extent.Width() + LegendWidth(legend, line);
  const double height = std::max(drawing.Extent.Height(), LegendHeight(legend, line));
  const double scale = kPictureSize / std::max(width, height);

  std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
  svg += TSvgElement("svg")
             .Set("xmlns", "http://www.w3.org/2000/svg")
             .Set("viewBox", SvgLength(left) + " " + SvgLength(top) + " " + SvgLength(width) + " " +
                                 SvgLength(height))
             .Number("width", std::max(1.0, std::round(width * scale)))
             .Number("height", std::max(1.0, std::round(height * scale)))
             .Open();
  svg += TSvgElement("title").WithText(title);
  svg += Definitions(drawing);
  svg += TSvgElement("rect")
             .Set("id", "background")
             .Length("x", left)
             .Length("y", top)
             .Length("width", width)
             .Length("height", height)
             .Set("fill", kBackgroundColour)
             .Empty();
  svg.reserve(svg.size() + board.size() + (1 << 16));
  svg += board;
  board.clear();
  board.shrink_to_fit();
  svg += LegendSvg(legend, legendLeft, top, line);
  svg += "</svg>\n";
  return svg;
}

}  // namespace pcbhost
