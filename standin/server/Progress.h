// The PCB server's progress entry points, forwarded to the sink the client installed.
// Without a sink they do nothing and still succeed.
#pragma once

#include <cstdint>
#include <string_view>

#include "server/ProgressSink.h"

namespace standin {

// Installs the sink (null removes it); the sink must outlive its installation.
void SetProgressSink(IProgressSink* sink);

int32_t ProgressInit(std::string_view caption, int32_t total);
int32_t ProgressUpdate(int32_t steps);
int32_t ProgressFinish();

}  // namespace standin
