#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "server/LoadedHandles.h"

namespace standin {
namespace {

// Dense handles (made one after another) and sparse ones are indexed differently; both find
// each object's place, find nothing for other handles, and name the first repeat in document
// order.
TEST(LoadedHandles, FindsEachPlaceAndTheFirstRepeatedHandle) {
  struct TCase {
    const char* Name;
    std::vector<PcbHandle> Handles;
    std::optional<std::size_t> FirstRepeated;
  };
  const std::vector<TCase> cases = {
      {"none", {}, std::nullopt},
      {"dense, in order", {1, 2, 3, 4}, std::nullopt},
      {"dense, kind by kind", {5, 2, 7, 1, 3}, std::nullopt},
      {"dense, repeats", {4, 9, 2, 9, 4, 9}, 3},
      {"sparse", {4000000000u, 7, 3000000000u}, std::nullopt},
      {"sparse, repeats", {3000000000u, 5, 4000000000u, 5, 3000000000u, 3000000000u}, 3},
      {"sparse, repeat of a higher handle first", {4000000000u, 5, 4000000000u, 5}, 2},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    const TLoadedHandles handles(c.Handles);
    EXPECT_EQ(handles.FirstRepeated(), c.FirstRepeated);
    for (std::size_t place = 0; place < c.Handles.size(); ++place) {
      const std::optional<std::size_t> found = handles.Find(c.Handles[place]);
      ASSERT_TRUE(found.has_value()) << place;
      EXPECT_EQ(c.Handles[*found], c.Handles[place]);
      EXPECT_LE(*found, place) << "a repeated handle finds its first object";
    }
    for (const PcbHandle other : {0u, 6u, 8u, 10u, 4000000001u})
      EXPECT_FALSE(handles.Find(other).has_value()) << other;
  }
}

}  // namespace
}  // namespace standin
