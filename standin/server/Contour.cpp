#include "server/Contour.h"

namespace standin {

host::HResult TContour::SetCount(int32_t count) {
  if (count < 0 || count > kPcbOutlineCapacity) return host::kFail;
  FPoints.resize(static_cast<std::size_t>(count));
  return host::kOk;
}

host::HResult TContour::SetPoint(int32_t index, int32_t x, int32_t y) {
  if (index < 0 || static_cast<std::size_t>(index) >= FPoints.size()) return host::kFail;
  FPoints[static_cast<std::size_t>(index)] = {static_cast<double>(x), static_cast<double>(y)};
  return host::kOk;
}

}  // namespace standin
