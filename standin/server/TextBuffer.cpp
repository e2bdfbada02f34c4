#include "server/TextBuffer.h"

#include <algorithm>
#include <cstring>

namespace standin {

uint32_t CopyTextToBuffer(std::string_view text, char* buffer, uint32_t size) {
  if (!buffer || size == 0) return 0;
  const std::size_t length = std::min<std::size_t>(text.size(), size - 1);
  std::memcpy(buffer, text.data(), length);
  buffer[length] = '\0';
  return static_cast<uint32_t>(length);
}

host::HResult CopyToBuffer(std::string_view text, char* buffer, uint32_t size) {
  if (!buffer || size == 0) return host::kFail;
  return CopyTextToBuffer(text, buffer, size) == text.size() ? host::kOk : host::kFail;
}

}  // namespace standin
