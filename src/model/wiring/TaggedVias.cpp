#include "model/wiring/TaggedVias.h"

#include <cmath>
#include <functional>

namespace {

// -0.0 equals 0.0 and must land in the same bucket.
std::pair<double, double> PositionKey(double x, double y) { return {x + 0.0, y + 0.0}; }

}  // namespace

std::size_t TTaggedVias::TPositionHash::operator()(const std::pair<double, double>& p) const {
  const std::size_t hx = std::hash<double>()(p.first);
  return hx ^ (std::hash<double>()(p.second) + 0x9e3779b97f4a7c15ULL + (hx << 6) + (hx >> 2));
}

void TTaggedVias::Add(TSpecctraViaInstance* via, uint8_t number, double x, double y) {
  FTags.push_back({via, number, x, y});
  FIndexValid = false;
}

void TTaggedVias::Clear() {
  FTags.clear();
  FIndex.clear();
  FIndexValid = false;
}

std::optional<int32_t> TTaggedVias::Find(double x, double y) const {
  if (std::isnan(x) || std::isnan(y)) return std::nullopt;
  if (!FIndexValid) {
    FIndex.clear();
    for (std::size_t i = 0; i < FTags.size(); ++i)
      FIndex.emplace(PositionKey(FTags[i].X, FTags[i].Y), static_cast<int32_t>(i));
    FIndexValid = true;
  }
  const auto found = FIndex.find(PositionKey(x, y));
  if (found == FIndex.end()) return std::nullopt;
  return found->second;
}
