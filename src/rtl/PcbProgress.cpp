#include "rtl/PcbProgress.h"

#include <algorithm>
#include <limits>

#include "rtl/PcbApiBinding.h"
#include "rtl/PcbStrings.h"

void PcbProgressInit(std::string_view caption, int32_t total) {
  PCB_ENTRY_POINT(init, PcbApi_Percent_Init);
  if (auto* f = init.Get()) {
    const PcbShortString text = ToPcbString(caption);
    f(&text, total);
  }
}

void PcbProgressUpdate(int32_t steps) {
  PCB_ENTRY_POINT(update, PcbApi_Percent_Update);
  if (auto* f = update.Get()) f(steps);
}

void PcbProgressFinish() {
  PCB_ENTRY_POINT(finish, PcbApi_Percent_Finish);
  if (auto* f = finish.Get()) f();
}

namespace {

int32_t ToHostCount(int64_t count) {
  return static_cast<int32_t>(std::clamp<int64_t>(count, 0, std::numeric_limits<int32_t>::max()));
}

}  // namespace

TPcbProgressTask::TPcbProgressTask(std::string_view caption, int64_t total) {
  PcbProgressInit(caption, ToHostCount(total));
}

TPcbProgressTask::~TPcbProgressTask() { PcbProgressFinish(); }

void TPcbProgressTask::Advance(int64_t steps) {
  if (steps > 0) PcbProgressUpdate(ToHostCount(steps));
}
