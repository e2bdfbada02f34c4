#include <gtest/gtest.h>

#include <random>
#include <set>
#include <string>
#include <vector>

#include "common/AsciiText.h"
#include "model/network/PinReferenceList.h"

namespace {

std::vector<std::string> Listed(const TPinReferenceList& pins) {
  return std::vector<std::string>(pins.begin(), pins.end());
}

}  // namespace

TEST(PinReferenceList, SortedWithoutRepeatsAndTheFirstSpellingStays) {
  TPinReferenceList pins;
  EXPECT_TRUE(pins.Empty());
  EXPECT_FALSE(pins.Contains("U1-1"));
  for (const char* pin : {"U2-1", "u1-10", "U1-2", "U1-10", "u2-1", "IC3-4"}) pins.Add(pin);
  pins.Settle();
  EXPECT_EQ(Listed(pins), (std::vector<std::string>{"IC3-4", "u1-10", "U1-2", "U2-1"}));
  EXPECT_TRUE(pins.Contains("U1-10"));
  EXPECT_TRUE(pins.Contains("ic3-4"));
  EXPECT_FALSE(pins.Contains("U1-1")) << "a prefix of a pin is no pin";
  EXPECT_FALSE(pins.Contains("U1-100"));

  // A later statement adds to the settled list: its repeats give way to the earlier spelling.
  for (const char* pin : {"U1-1", "IC3-4", "U2-1", "A1-1"}) pins.Add(pin);
  EXPECT_EQ(Listed(pins), (std::vector<std::string>{"A1-1", "IC3-4", "U1-1", "u1-10", "U1-2",
                                                    "U2-1"}))
      << "a read settles the pins added since";
  EXPECT_EQ(pins.Size(), 6u);
}

// Random batches of names that collide in letter case, checked against an ordered set after
// every batch: order, repeats, spellings and lookups stay those of the set.
TEST(PinReferenceList, BehavesAsACaseIgnoringOrderedSet) {
  std::mt19937 random(7);
  const std::string letters = "aAbB";
  auto randomPin = [&] {
    std::string pin;
    const int length = 1 + static_cast<int>(random() % 4);
    for (int i = 0; i < length; ++i) pin += letters[random() % letters.size()];
    return pin + "-" + std::to_string(random() % 3);
  };
  TPinReferenceList pins;
  std::set<std::string, TLessIgnoringCase> model;
  for (int batch = 0; batch < 20; ++batch) {
    const int count = static_cast<int>(random() % 30);
    for (int i = 0; i < count; ++i) {
      const std::string pin = randomPin();
      pins.Add(pin);
      model.insert(pin);
    }
    if (batch % 2 == 0) pins.Settle();
    ASSERT_EQ(Listed(pins), std::vector<std::string>(model.begin(), model.end()))
        << "batch " << batch;
    for (int i = 0; i < 10; ++i) {
      const std::string probe = randomPin();
      EXPECT_EQ(pins.Contains(probe), model.contains(probe)) << probe;
    }
  }
}
