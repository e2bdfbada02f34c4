// The host's progress bar, through the PCB library. Missing entry points do nothing.
#pragma once

#include <cstdint>
#include <string_view>

void PcbProgressInit(std::string_view caption, int32_t total);
void PcbProgressUpdate(int32_t steps);
void PcbProgressFinish();

// One task on the host's progress bar for the life of the object: started with a caption and
// a total, advanced step by step, finished when the object goes (also when an exception
// passes through). Totals and steps beyond the host's 32-bit range are cut to it.
class TPcbProgressTask {
public:
  TPcbProgressTask(std::string_view caption, int64_t total);
  ~TPcbProgressTask();
  TPcbProgressTask(const TPcbProgressTask&) = delete;
  TPcbProgressTask& operator=(const TPcbProgressTask&) = delete;

  void Advance(int64_t steps);
};
