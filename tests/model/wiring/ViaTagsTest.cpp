// Via tags in memory and in the data text of their storage.
#include <gtest/gtest.h>

#include "model/wiring/TaggedVias.h"
#include "model/wiring/ViaTagStorage.h"

TEST(TaggedVias, FindsTheFirstTagAtExactlyThePosition) {
  TTaggedVias tags;
  tags.Add(nullptr, 5, 100, 200);
  tags.Add(nullptr, 7, 100, 200);
  tags.Add(nullptr, 9, 0, 0);
  EXPECT_EQ(tags.Find(100, 200), 0);
  EXPECT_EQ(tags.Find(101, 200), std::nullopt) << "one host unit away is no match";
  EXPECT_EQ(tags.Find(-0.0, 0), 2);
  tags.Add(nullptr, 3, 101, 200);
  EXPECT_EQ(tags.Find(101, 200), 3) << "a tag added after a search is found";
  tags.Clear();
  EXPECT_EQ(tags.Find(100, 200), std::nullopt);
}

TEST(ViaTagData, PositionsTravelAsHexadecimalAndComeBack) {
  const std::vector<TStoredViaTag> stored = {{5, 255, 4096}, {5, -1, 0}};
  const std::string text = ViaTagDataText(stored);
  EXPECT_EQ(text, "C=2|X0=FF|Y0=1000|X1=FFFFFFFF|Y1=0");
  TTaggedVias tags;
  AddViaTagsFromText(text, 5, tags);
  ASSERT_EQ(tags.Count(), 2);
  EXPECT_EQ(tags.Item(1).X, -1) << "two's complement";
  EXPECT_EQ(tags.Item(0).Y, 4096);
  EXPECT_EQ(tags.Item(0).Number, 5);
}

TEST(ViaTagData, DamagedTextsGiveZerosWithoutRunningAway) {
  struct TCase {
    const char* Text;
    int32_t Count;
  };
  const TCase cases[] = {
      {"C=x|X0=FF|Y0=1", 0},        {"X0=FF|Y0=1", 0},   {"C=-3", 0},
      {"C=2|X0=FG|Y0=100000000", 2}, {"C=2147483647", 2},
  };
  for (const TCase& test : cases) {
    SCOPED_TRACE(test.Text);
    TTaggedVias tags;
    AddViaTagsFromText(test.Text, 1, tags);
    ASSERT_EQ(tags.Count(), test.Count);
    for (int32_t i = 0; i < tags.Count(); ++i) {
      EXPECT_EQ(tags.Item(i).X, 0);
      EXPECT_EQ(tags.Item(i).Y, 0);
    }
  }
}
