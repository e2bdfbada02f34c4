// Handing texts back through a caller's buffer, as the host interfaces do: always
// zero-terminated, cut to fit.
#pragma once

#include <cstdint>
#include <string_view>

#include "host/Client.h"

namespace standin {

// Copies the text (cut to size - 1 bytes) and its terminator; the number of bytes copied
// before the terminator. Nothing is written to a null or empty buffer.
uint32_t CopyTextToBuffer(std::string_view text, char* buffer, uint32_t size);

// The same as a status: kOk when the whole text fitted, kFail when it was cut or there was no
// buffer.
host::HResult CopyToBuffer(std::string_view text, char* buffer, uint32_t size);

}  // namespace standin
