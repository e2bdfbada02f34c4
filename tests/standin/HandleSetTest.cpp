// The server's handle sets against an ordered set kept beside them: the same members in the
// same order, through the block splits and removals that many handles bring.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "server/HandleSet.h"

namespace {

using standin::THandleSet;

void ExpectSame(const THandleSet& handles, const std::set<PcbHandle>& expected) {
  ASSERT_EQ(handles.Size(), expected.size());
  EXPECT_EQ(std::vector<PcbHandle>(handles.begin(), handles.end()),
            std::vector<PcbHandle>(expected.begin(), expected.end()));
  // After walks the same order, from nil to nil.
  std::vector<PcbHandle> walked;
  for (PcbHandle h = handles.After(0); h != 0; h = handles.After(h)) walked.push_back(h);
  EXPECT_EQ(walked, std::vector<PcbHandle>(expected.begin(), expected.end()));
  if (!expected.empty()) {
    EXPECT_EQ(handles.Last(), *expected.rbegin());
  }
}

TEST(HandleSet, KeepsAscendingOrderThroughSplitsAndRemovals) {
  THandleSet handles;
  std::set<PcbHandle> expected;
  const auto insert = [&](PcbHandle h) { EXPECT_EQ(handles.Insert(h), expected.insert(h).second); };
  const auto erase = [&](PcbHandle h) { EXPECT_EQ(handles.Erase(h), expected.erase(h) == 1); };

  // Ascending appends fill several blocks; the odd handles then go in between, splitting them.
  for (PcbHandle h = 2; h <= 4000; h += 2) insert(h);
  for (int h = 3999; h >= 1; h -= 2) insert(static_cast<PcbHandle>(h));
  insert(2000);  // already there
  ExpectSame(handles, expected);

  // Erasing whole runs empties blocks at the front, in the middle and at the end.
  for (PcbHandle h = 1; h <= 700; ++h) erase(h);
  for (PcbHandle h = 1500; h <= 2600; ++h) erase(h);
  for (PcbHandle h = 3500; h <= 4100; ++h) erase(h);
  erase(1);  // already gone
  ExpectSame(handles, expected);
  // The highest handles leave (the highest is then the one below them) and come back.
  erase(3499);
  erase(3498);
  ExpectSame(handles, expected);
  insert(3499);
  insert(3498);
  ExpectSame(handles, expected);

  // A scattered pattern, with a stride that crosses every block boundary.
  for (PcbHandle h = 5; h < 6000; h += 37) insert(h);
  for (PcbHandle h = 11; h < 6000; h += 53) erase(h);
  ExpectSame(handles, expected);
  for (const PcbHandle h : {5u, 700u, 701u, 2601u, 5999u, 6000u})
    EXPECT_EQ(handles.Contains(h), expected.count(h) == 1) << h;

  for (const PcbHandle h : std::vector<PcbHandle>(expected.begin(), expected.end())) erase(h);
  ExpectSame(handles, expected);
  EXPECT_TRUE(handles.Empty());
  EXPECT_EQ(handles.After(0), 0u);
}

TEST(HandleSet, AfterAnswersTheNextHandleFromAnyPoint) {
  THandleSet handles;
  for (PcbHandle h = 10; h <= 10000; h += 10) handles.Insert(h);
  struct TCase {
    PcbHandle From;
    PcbHandle Next;
  };
  const TCase cases[] = {{0, 10}, {9, 10}, {10, 20}, {5125, 5130}, {5120, 5130}, {9999, 10000},
                         {10000, 0}, {4294967295u, 0}};
  for (const TCase& c : cases) EXPECT_EQ(handles.After(c.From), c.Next) << c.From;
}

}  // namespace
