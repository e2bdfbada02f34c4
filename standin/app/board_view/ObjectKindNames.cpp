#include "app/board_view/ObjectKindNames.h"

#include <array>

namespace pcbhost {
namespace {

// Indexed by the host kind number; 0 and 23..25 have no name.
constexpr std::array<std::string_view, 27> kKindNames = {"",
                                                         "arc",
                                                         "pad",
                                                         "via",
                                                         "track",
                                                         "text",
                                                         "fill",
                                                         "fromTo",
                                                         "net",
                                                         "component",
                                                         "polygon",
                                                         "region",
                                                         "componentBody",
                                                         "dimension",
                                                         "coordinate",
                                                         "class",
                                                         "rule",
                                                         "manualFromTo",
                                                         "differentialPair",
                                                         "violation",
                                                         "embedded",
                                                         "embeddedBoard",
                                                         "splitPlane",
                                                         "",
                                                         "",
                                                         "",
                                                         "boardOutline"};

}  // namespace

std::string_view ObjectKindName(uint32_t kind) {
  return kind < kKindNames.size() ? kKindNames[kind] : std::string_view();
}

const std::vector<std::string_view>& SummaryKindNames() {
  static const std::vector<std::string_view> names = {
      "component", "pad",    "net",        "track",        "arc",   "via",  "fill",    "text",
      "polygon",   "region", "splitPlane", "boardOutline", "class", "rule", "embedded"};
  return names;
}

}  // namespace pcbhost
