#include "server/Progress.h"

#include "host/PcbApi.h"

namespace standin {
namespace {
IProgressSink* gSink = nullptr;
}

void SetProgressSink(IProgressSink* sink) { gSink = sink; }

int32_t ProgressInit(std::string_view caption, int32_t total) {
  if (gSink) gSink->Start(caption, total);
  return kPcbOk;
}

int32_t ProgressUpdate(int32_t steps) {
  if (gSink) gSink->Advance(steps);
  return kPcbOk;
}

int32_t ProgressFinish() {
  if (gSink) gSink->Finish();
  return kPcbOk;
}

}  // namespace standin
