// Progress entry points, forwarded to the client's sink.
#include <string_view>

#include "server/Progress.h"
#include "server/ServerApi.h"

namespace standin::api {

int32_t Percent_Init(const PcbShortString* caption, int32_t total) {
  return ProgressInit(
      caption ? std::string_view(caption->text, caption->length) : std::string_view(), total);
}

int32_t Percent_Update(int32_t steps) { return ProgressUpdate(steps); }

int32_t Percent_Finish() { return ProgressFinish(); }

}  // namespace standin::api
