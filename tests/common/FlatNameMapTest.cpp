#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <string>

#include "common/AsciiText.h"
#include "common/FlatNameMap.h"

TEST(FlatNameMap, NamesIgnoreLetterCaseAndTheFirstFilingWins) {
  TFlatNameMap<int> map;
  EXPECT_EQ(map.Find("U1-1"), nullptr) << "an empty map answers nil";
  EXPECT_TRUE(map.TryEmplace("U1-1", 1));
  EXPECT_FALSE(map.TryEmplace("u1-1", 2));
  EXPECT_TRUE(map.TryEmplace("", 3)) << "the empty name is a name";
  ASSERT_NE(map.Find("u1-1"), nullptr);
  EXPECT_EQ(*map.Find("u1-1"), 1);
  EXPECT_EQ(*map.Find(""), 3);
  EXPECT_EQ(map.Find("U1-10"), nullptr);
  EXPECT_EQ(map.Size(), 2u);

  EXPECT_FALSE(map.EraseIfValue("U1-1", 2)) << "another value's owner cannot erase it";
  EXPECT_TRUE(map.EraseIfValue("U1-1", 1));
  EXPECT_EQ(map.Find("U1-1"), nullptr);
  EXPECT_TRUE(map.TryEmplace("U1-1", 4)) << "an erased name can be filed again";
  EXPECT_EQ(*map.Find("U1-1"), 4);
}

// Random filings and erasures of names that collide in letter case, checked against an
// ordered map after every step: covers growth, probe runs past erased slots and their reuse.
TEST(FlatNameMap, AgreesWithAnOrderedMapThroughGrowthAndErasures) {
  TFlatNameMap<int> map;
  std::map<std::string, int> model;
  uint64_t random = 12345;
  auto next = [&] {
    random = random * 6364136223846793005ull + 1442695040888963407ull;
    return static_cast<uint32_t>(random >> 33);
  };
  for (int step = 0; step < 40000; ++step) {
    std::string name = "ic" + std::to_string(next() % 3000) + "-" + std::to_string(next() % 4);
    if (next() % 2) name = AsciiUpperText(name);
    const std::string key = AsciiUpperText(name);
    const int value = static_cast<int>(next() % 5);
    if (next() % 3 == 0) {
      const auto found = model.find(key);
      const bool owned = found != model.end() && found->second == value;
      EXPECT_EQ(map.EraseIfValue(name, value), owned) << name;
      if (owned) model.erase(found);
    } else {
      EXPECT_EQ(map.TryEmplace(name, value), model.try_emplace(key, value).second) << name;
    }
    const int* stored = map.Find(name);
    const auto expected = model.find(key);
    ASSERT_EQ(stored != nullptr, expected != model.end()) << name << " at step " << step;
    if (stored) {
      EXPECT_EQ(*stored, expected->second) << name;
    }
    ASSERT_EQ(map.Size(), model.size());
  }
  std::map<std::string, int> visited;
  map.ForEach([&](std::string_view name, int value) {
    EXPECT_TRUE(visited.emplace(AsciiUpperText(name), value).second) << name;
  });
  EXPECT_EQ(visited, model);
  map.Clear();
  EXPECT_TRUE(map.Empty());
  EXPECT_EQ(map.Find(model.begin()->first), nullptr);
}

TEST(FlatNameMap, ErasingByValueKeepsTheOtherEntriesFindable) {
  TFlatNameMap<int> map;
  for (int i = 0; i < 1000; ++i) map.TryEmplace("P" + std::to_string(i), i % 3);
  map.EraseValuesIf([](int value) { return value == 1; });
  EXPECT_EQ(map.Size(), 667u);
  for (int i = 0; i < 1000; ++i) {
    const std::string name = "p" + std::to_string(i);
    const int* found = map.Find(name);
    if (i % 3 == 1) {
      EXPECT_EQ(found, nullptr) << name;
      EXPECT_TRUE(map.TryEmplace(name, 7)) << "an erased name can be filed again";
    } else {
      ASSERT_NE(found, nullptr) << name;
      EXPECT_EQ(*found, i % 3);
    }
  }
  EXPECT_EQ(map.Size(), 1000u);
}

// Names of every length class of their stored length (one, two and three bytes) are filed,
// found in another letter case and visited as they were given.
TEST(FlatNameMap, NamesOfEveryLengthComeBackWhole) {
  TFlatNameMap<int> map;
  std::map<std::string, int> given;
  int value = 0;
  for (const std::size_t length : {0u, 1u, 127u, 128u, 300u, 16383u, 16384u, 70000u}) {
    std::string name(length, 'a');
    if (length > 0) name.back() = 'Z';
    EXPECT_TRUE(map.TryEmplace(name, value)) << length;
    EXPECT_FALSE(map.TryEmplace(AsciiUpperText(name), value + 100)) << length;
    given.emplace(name, value++);
  }
  for (const auto& [name, stored] : given) {
    const int* found = map.Find(AsciiUpperText(name));
    ASSERT_NE(found, nullptr) << name.size();
    EXPECT_EQ(*found, stored);
    EXPECT_EQ(map.Find(name + "a"), nullptr) << "a longer name is another name";
  }
  std::map<std::string, int> visited;
  map.ForEach([&](std::string_view name, int stored) { visited.emplace(name, stored); });
  EXPECT_EQ(visited, given);
}
