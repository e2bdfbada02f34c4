#include "app/board_view/PadSvg.h"

#include <algorithm>

#include "app/board_view/SvgElement.h"
#include "host/PcbApi.h"

namespace pcbhost {
namespace {

// An octagon's corners are cut by a quarter of its smaller side.
constexpr double kOctagonCut = 0.25;

bool HasSize(const TPadShapeView& shape) { return shape.X > 0 && shape.Y > 0; }

const TPadShapeView& StackShape(const TPadView& pad, uint32_t layer) {
  if (pad.StackMode == kPadStackFull) {
    const uint32_t own = layer == kMultiLayer ? kTopLayer : layer;
    const auto found = pad.PerLayer.find(own);
    if (found != pad.PerLayer.end()) return found->second;
  }
  // A single-layer pad on the bottom copper (a back-side part's pad) holds its size in the
  // bottom shape, whatever its stack mode says about the other layers.
  if (layer == kBottomLayer) return pad.Bottom;
  if (pad.StackMode == kPadStackSimple || layer == kTopLayer || layer == kMultiLayer)
    return pad.Top;
  return pad.Middle;
}

std::string Placement(const TPadView& pad) {
  std::string transform =
      "translate(" + SvgLength(pad.Centre.X) + " " + SvgLength(pad.Centre.Y) + ")";
  if (pad.Rotation != 0) transform += " rotate(" + SvgNumber(pad.Rotation) + ")";
  return transform;
}

// A rectangle centred on the origin with corners of the given radius.
std::string CentredRect(const TPadShapeView& shape, double cornerRadius,
                        const std::string& placement) {
  TSvgElement rect("rect");
  rect.Length("x", -shape.X / 2)
      .Length("y", -shape.Y / 2)
      .Length("width", shape.X)
      .Length("height", shape.Y);
  if (cornerRadius > 0) rect.Length("rx", cornerRadius).Length("ry", cornerRadius);
  return rect.Set("transform", placement).Empty();
}

std::string Octagon(const TPadShapeView& shape, const std::string& placement) {
  const double hx = shape.X / 2;
  const double hy = shape.Y / 2;
  const double cut = kOctagonCut * std::min(shape.X, shape.Y);
  const double corners[8][2] = {{-hx + cut, -hy}, {hx - cut, -hy}, {hx, -hy + cut},
                                {hx, hy - cut},   {hx - cut, hy},  {-hx + cut, hy},
                                {-hx, hy - cut},  {-hx, -hy + cut}};
  std::string points;
  for (const auto& corner : corners)
    points += (points.empty() ? "" : " ") + SvgLength(corner[0]) + "," + SvgLength(corner[1]);
  return TSvgElement("polygon").Set("points", points).Set("transform", placement).Empty();
}

}  // namespace

const TPadShapeView& PadShapeOnLayer(const TPadView& pad, uint32_t layer) {
  const TPadShapeView& shape = StackShape(pad, layer);
  return HasSize(shape) ? shape : pad.Top;
}

std::string PadSvg(const TPadView& pad, uint32_t layer) {
  const TPadShapeView& shape = PadShapeOnLayer(pad, layer);
  if (!HasSize(shape)) return "";
  const double halfSmaller = std::min(shape.X, shape.Y) / 2;
  const std::string placement = Placement(pad);
  switch (shape.Shape) {
    case kPadShapeRectangular: return CentredRect(shape, 0, placement);
    case kPadShapeOctagonal: return Octagon(shape, placement);
    case kPadShapeRoundedRectangle:
      return CentredRect(shape, halfSmaller * std::clamp(shape.CornerPercent, 0.0, 100.0) / 100,
                         placement);
    default: break;
  }
  // Round, and any shape this host does not know.
  if (shape.X == shape.Y)
    return TSvgElement("circle")
        .Length("cx", pad.Centre.X)
        .Length("cy", pad.Centre.Y)
        .Length("r", halfSmaller)
        .Empty();
  return CentredRect(shape, halfSmaller, placement);
}

}  // namespace pcbhost
