#include "rtl/PcbProgress.h"

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
