// The host PCB server library's flat C entry points ("PcbApi_*"), bound by name at run time.
// Handles are opaque 32-bit values, 0 is nil. Record exchanges take a message first:
// 1 reads host state into the record, 0 writes the record into the host object, 2 is the
// second write form. They answer 0 on success and 1 on failure.
#pragma once

#include <cstdint>

extern "C" {

using PcbHandle = uint32_t;
using PcbLayerId = uint32_t;

constexpr int32_t kPcbOk = 0;
constexpr int32_t kPcbFail = 1;

// A length-prefixed byte string of at most 255 bytes.
struct PcbShortString {
  uint8_t length;
  char text[255];
};

// Board level.
PcbHandle PcbApi_GetCurrentBoardHandle();
PcbHandle PcbApi_GetBoardHandleFromFileName(const PcbShortString* fileName);

// Progress bar: start with a caption and a total, advance by a number of steps, finish.
int32_t PcbApi_Percent_Init(const PcbShortString* caption, int32_t total);
int32_t PcbApi_Percent_Update(int32_t steps);
int32_t PcbApi_Percent_Finish();

}  // extern "C"
