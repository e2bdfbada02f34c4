// The board's sets by net and kind against ordered sets kept beside them, through inserts that
// switch nets and kinds, nets that gain a kind between two inserts of another, and removals.
#include <gtest/gtest.h>

#include <map>
#include <random>
#include <set>
#include <utility>
#include <vector>

#include "server/NetIndex.h"

namespace {

using standin::THandleSet;
using standin::TNetIndex;
using TExpected = std::map<std::pair<PcbHandle, uint8_t>, std::set<PcbHandle>>;

std::vector<PcbHandle> Members(const THandleSet* handles) {
  return handles ? std::vector<PcbHandle>(handles->begin(), handles->end())
                 : std::vector<PcbHandle>{};
}

void ExpectSame(const TNetIndex& index, const TExpected& expected) {
  for (const auto& [key, handles] : expected) {
    SCOPED_TRACE(testing::Message() << "net " << key.first << " kind " << int{key.second});
    EXPECT_EQ(Members(index.Find(key.first, key.second)),
              std::vector<PcbHandle>(handles.begin(), handles.end()));
  }
}

TEST(NetIndex, KeepsEachNetsKindsApartThroughSwitchesAndRemovals) {
  TNetIndex index;
  TExpected expected;
  // Net handles far apart (other pages) and close together; kinds added to a net one by one.
  const PcbHandle nets[] = {3, 4, 1500, 70'000, 70'001};
  const uint8_t kinds[] = {kPcbObjectTrack, kPcbObjectVia, kPcbObjectPad, kPcbObjectArc};
  std::mt19937 random(14);
  PcbHandle next = 100'000;
  std::vector<std::pair<std::pair<PcbHandle, uint8_t>, PcbHandle>> filed;
  for (int step = 0; step < 4000; ++step) {
    // Runs of a few objects on one net and kind, as wires are laid.
    const PcbHandle net = nets[random() % std::size(nets)];
    const uint8_t kind = kinds[random() % std::size(kinds)];
    for (int run = static_cast<int>(random() % 4); run >= 0; --run) {
      index.Insert(net, kind, ++next);
      expected[{net, kind}].insert(next);
      filed.push_back({{net, kind}, next});
    }
    if (random() % 5 == 0) {
      const auto [key, handle] = filed[random() % filed.size()];
      index.Erase(key.first, key.second, handle);
      expected[key].erase(handle);
    }
  }
  ExpectSame(index, expected);
  EXPECT_EQ(index.Find(5, kPcbObjectTrack), nullptr) << "a net with nothing filed";
  EXPECT_EQ(index.Find(3, kPcbObjectText), nullptr) << "a kind the net never carried";
  EXPECT_EQ(index.Find(1'000'000, kPcbObjectTrack), nullptr) << "beyond every page";
  index.Erase(1'000'000, kPcbObjectTrack, 1);  // nothing there: no change, no failure
  ExpectSame(index, expected);
}

}  // namespace
