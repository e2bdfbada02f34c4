#include "app/board_view/BoardExtent.h"

#include <algorithm>
#include <cmath>

namespace pcbhost {
namespace {

// Share of a text's height that one character takes across.
constexpr double kCharacterWidth = 0.6;

double HalfDiagonal(double x, double y) { return std::hypot(x, y) / 2; }

double PadReach(const TPadView& pad) {
  double reach = pad.HoleSize / 2;
  for (const TPadShapeView* shape : {&pad.Top, &pad.Middle, &pad.Bottom})
    reach = std::max(reach, HalfDiagonal(shape->X, shape->Y));
  for (const auto& [layer, shape] : pad.PerLayer)
    reach = std::max(reach, HalfDiagonal(shape.X, shape.Y));
  return reach;
}

struct TExtentVisitor {
  TBoardBox& Box;

  void operator()(const TTrackView& track) const {
    Box.Include(track.From, track.Width / 2);
    Box.Include(track.To, track.Width / 2);
  }
  void operator()(const TArcView& arc) const {
    Box.Include(arc.Centre, arc.Radius + arc.Width / 2);
  }
  void operator()(const TViaView& via) const {
    Box.Include(via.Centre, std::max(via.Diameter, via.HoleSize) / 2);
  }
  void operator()(const TPadPointer& pad) const { Box.Include(pad->Centre, PadReach(*pad)); }
  void operator()(const TFillView& fill) const {
    const TBoardPoint centre{(fill.Corner1.X + fill.Corner2.X) / 2,
                             (fill.Corner1.Y + fill.Corner2.Y) / 2};
    Box.Include(centre,
                HalfDiagonal(fill.Corner2.X - fill.Corner1.X, fill.Corner2.Y - fill.Corner1.Y));
  }
  void operator()(const TTextView& text) const {
    const double length = kCharacterWidth * static_cast<double>(text.Text.size());
    Box.Include(text.Origin, text.Height * std::max(1.0, length));
  }
  void operator()(const TAreaView& area) const {
    for (const TBoardPoint& point : area.Outline) Box.Include(point);
  }
};

}  // namespace

void TBoardBox::Include(TBoardPoint point, double reach) {
  const TBoardBox square{point.X - reach, point.Y - reach, point.X + reach, point.Y + reach, false};
  Include(square);
}

void TBoardBox::Include(const TBoardBox& other) {
  if (other.Empty) return;
  if (Empty) {
    *this = other;
    return;
  }
  MinX = std::min(MinX, other.MinX);
  MinY = std::min(MinY, other.MinY);
  MaxX = std::max(MaxX, other.MaxX);
  MaxY = std::max(MaxY, other.MaxY);
}

TBoardBox ExtentOf(const TPrimitiveView& primitive) {
  TBoardBox box;
  std::visit(TExtentVisitor{box}, primitive.Shape);
  return box;
}

}  // namespace pcbhost
