#include "model/structure/BoardOffset.h"

#include <cstdlib>

namespace {

constexpr int64_t kWorkspaceHigh = 999990000;
constexpr int64_t kMargin = 20000000;

struct TAxisWindow {
  bool Fits = false;
  int64_t Low = 0;
  int64_t High = kWorkspaceHigh;
};

// The part of the workspace an extent of the width may use: both margins, the low one, or
// none, as far as the width leaves room.
TAxisWindow WindowFor(int64_t width) {
  TAxisWindow window;
  const int64_t room = window.High - window.Low;
  if (room - 2 * kMargin > width) {
    window.Low += kMargin;
    window.High -= kMargin;
  } else if (room - kMargin > width) {
    window.Low += kMargin;
  } else if (room < width) {
    return window;
  }
  window.Fits = true;
  return window;
}

double OffsetInto(const TAxisWindow& window, int64_t minimum, int64_t maximum) {
  double offset = 0;
  if (minimum < window.Low) offset = static_cast<double>(window.Low - minimum);
  if (maximum > window.High) offset = static_cast<double>(window.High - maximum);
  return offset;
}

}  // namespace

TBoardOffset ComputeBoardOffset(const TBoardExtent& extent) {
  const int64_t minX = extent.MinX, maxX = extent.MaxX, minY = extent.MinY, maxY = extent.MaxY;
  const TAxisWindow x = WindowFor(std::llabs(maxX - minX));
  const TAxisWindow y = WindowFor(std::llabs(maxY - minY));
  if (!x.Fits || !y.Fits) return {};
  return {true, OffsetInto(x, minX, maxX), OffsetInto(y, minY, maxY)};
}
