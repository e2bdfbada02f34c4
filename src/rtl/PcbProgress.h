// The host's progress bar, through the PCB library. Missing entry points do nothing.
#pragma once

#include <cstdint>
#include <string_view>

void PcbProgressInit(std::string_view caption, int32_t total);
void PcbProgressUpdate(int32_t steps);
void PcbProgressFinish();
