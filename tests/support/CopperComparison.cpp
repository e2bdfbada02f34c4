#include "support/CopperComparison.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>
#include <utility>

namespace {

using TKind = TCopperItem::EKind;

// The smallest x of an item's points: unchanged by reversing a segment or turning a ring, so
// candidates can be sought by it.
double LeastX(const TCopperItem& item) {
  double least = item.Points.empty() ? 0 : item.Points[0];
  for (std::size_t p = 0; p < item.Points.size(); p += 2) least = std::min(least, item.Points[p]);
  return least;
}

bool Near(double a, double b, double tolerance) { return std::abs(a - b) <= tolerance; }

// The vertex of a point list at a position counted in either direction from a start.
std::pair<double, double> Vertex(const std::vector<double>& points, std::size_t start,
                                 std::size_t step, bool backwards) {
  const std::size_t count = points.size() / 2;
  const std::size_t index = backwards ? (start + count - step % count) % count
                                      : (start + step) % count;
  return {points[2 * index], points[2 * index + 1]};
}

// Whether the points agree vertex by vertex when the second list is read from a start vertex in
// a direction.
bool SameRingFrom(const std::vector<double>& expected, const std::vector<double>& actual,
                  std::size_t start, bool backwards, double tolerance) {
  for (std::size_t step = 0; step < expected.size() / 2; ++step) {
    const auto [x, y] = Vertex(actual, start, step, backwards);
    if (!Near(expected[2 * step], x, tolerance) || !Near(expected[2 * step + 1], y, tolerance))
      return false;
  }
  return true;
}

bool SamePoints(const TCopperItem& expected, const TCopperItem& actual, double tolerance) {
  const std::vector<double>& a = expected.Points;
  const std::vector<double>& b = actual.Points;
  if (a.size() != b.size() || a.empty()) return a.size() == b.size();
  if (expected.Kind == TKind::Place || expected.Kind == TKind::Via)
    return SameRingFrom(a, b, 0, false, tolerance);
  // A segment is a ring of two vertices: either end may come first.
  const std::size_t count = b.size() / 2;
  for (std::size_t start = 0; start < count; ++start)
    if (SameRingFrom(a, b, start, false, tolerance) || SameRingFrom(a, b, start, true, tolerance))
      return true;
  return false;
}

bool SameItem(const TCopperItem& expected, const TCopperItem& actual, double tolerance) {
  double turn = std::fmod(std::abs(expected.Rotation - actual.Rotation), 360.0);
  turn = std::min(turn, 360.0 - turn);
  return Near(expected.Width, actual.Width, tolerance) && turn <= 0.01 &&
         SamePoints(expected, actual, tolerance);
}

}  // namespace

TCopperDifference CompareCopper(const std::vector<TCopperItem>& expected,
                                const std::vector<TCopperItem>& actual, double tolerance) {
  // A hair over the tolerance, so that a difference of exactly one unit read from text passes.
  const double slack = tolerance * (1 + 1e-9) + 1e-12;
  // The actual items by kind and key, each group ordered by least x.
  using TCandidates = std::vector<std::pair<double, std::size_t>>;
  std::map<std::tuple<TKind, std::string, std::string>, TCandidates> groups;
  for (std::size_t i = 0; i < actual.size(); ++i)
    groups[{actual[i].Kind, actual[i].Key, actual[i].Padstack}].emplace_back(LeastX(actual[i]), i);
  for (auto& [key, group] : groups) std::sort(group.begin(), group.end());

  std::vector<bool> used(actual.size(), false);
  TCopperDifference difference;
  for (const TCopperItem& item : expected) {
    const auto group = groups.find({item.Kind, item.Key, item.Padstack});
    bool found = false;
    if (group != groups.end()) {
      const double least = LeastX(item);
      auto candidate = std::lower_bound(group->second.begin(), group->second.end(),
                                        std::make_pair(least - slack, std::size_t{0}));
      for (; !found && candidate != group->second.end() && candidate->first <= least + slack;
           ++candidate) {
        if (used[candidate->second] || !SameItem(item, actual[candidate->second], slack)) continue;
        used[candidate->second] = true;
        found = true;
      }
    }
    if (!found) difference.Missing.push_back(item);
  }
  for (std::size_t i = 0; i < actual.size(); ++i)
    if (!used[i]) difference.Extra.push_back(actual[i]);
  return difference;
}
