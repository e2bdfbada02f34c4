// Interface identifiers as the host spells them.
#pragma once

#include <cstdint>
#include <cstring>

namespace host {

struct TGuid {
  uint32_t data1;
  uint16_t data2;
  uint16_t data3;
  uint8_t data4[8];

  friend bool operator==(const TGuid& a, const TGuid& b) {
    return std::memcmp(&a, &b, sizeof(TGuid)) == 0;
  }
};

}  // namespace host
