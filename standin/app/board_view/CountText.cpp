#include "app/board_view/CountText.h"

namespace pcbhost {

std::string CountText(std::size_t count, std::string_view noun) {
  return std::to_string(count) + " " + std::string(noun) + (count == 1 ? "" : "s");
}

}  // namespace pcbhost
