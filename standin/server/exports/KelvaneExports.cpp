// The exported C entry points of libkelvane.so. Each forwards to the server and stops any
// exception here.
#include "server/exports/KelvaneExports.h"

#include <string_view>

#include "boundary/GuardedCall.h"
#include "host/PcbApi.h"
#include "server/Progress.h"
#include "server/RunningServer.h"

namespace {

std::string_view ShortStringText(const PcbShortString* text) {
  return text ? std::string_view(text->text, text->length) : std::string_view();
}

}  // namespace

extern "C" {

KELVANE_EXPORT host::HResult Kelvane_StartPcbServer(host::IClient* client,
                                                    host::IServerModule** module) {
  return standin::GuardedCall(host::kUnexpected,
                              [&] { return standin::StartPcbServer(client, module); });
}

KELVANE_EXPORT void Kelvane_SetProgressSink(standin::IProgressSink* sink) {
  standin::SetProgressSink(sink);
}

KELVANE_EXPORT PcbHandle PcbApi_GetCurrentBoardHandle() {
  return standin::GuardedCall(PcbHandle{0}, [] { return standin::CurrentBoardHandle(); });
}

KELVANE_EXPORT PcbHandle PcbApi_GetBoardHandleFromFileName(const PcbShortString* fileName) {
  return standin::GuardedCall(
      PcbHandle{0}, [&] { return standin::BoardHandleFromFileName(ShortStringText(fileName)); });
}

KELVANE_EXPORT int32_t PcbApi_Percent_Init(const PcbShortString* caption, int32_t total) {
  return standin::GuardedCall(
      kPcbFail, [&] { return standin::ProgressInit(ShortStringText(caption), total); });
}

KELVANE_EXPORT int32_t PcbApi_Percent_Update(int32_t steps) {
  return standin::GuardedCall(kPcbFail, [&] { return standin::ProgressUpdate(steps); });
}

KELVANE_EXPORT int32_t PcbApi_Percent_Finish() {
  return standin::GuardedCall(kPcbFail, [] { return standin::ProgressFinish(); });
}

}  // extern "C"
