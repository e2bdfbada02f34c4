// Handing texts back through a caller's buffer, as the host interfaces do: always
// zero-terminated, cut to fit. Header-only: both stand-in libraries use it.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "host/Client.h"

namespace standin {

// Copies the text (cut to size - 1 bytes) and its terminator; the number of bytes copied
// before the terminator. Nothing is written to a null or empty buffer.
inline uint32_t CopyTextToBuffer(std::string_view text, char* buffer, uint32_t size) {
  if (!buffer || size == 0) return 0;
  const std::size_t length = std::min<std::size_t>(text.size(), size - 1);
  std::memcpy(buffer, text.data(), length);
  buffer[length] = '\0';
  return static_cast<uint32_t>(length);
}

// The same as a status: kOk when the whole text fitted, kFail when it was cut or there was no
// buffer.
inline host::HResult CopyToBuffer(std::string_view text, char* buffer, uint32_t size) {
  if (!buffer || size == 0) return host::kFail;
  return CopyTextToBuffer(text, buffer, size) == text.size() ? host::kOk : host::kFail;
}

}  // namespace standin
