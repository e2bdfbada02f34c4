#include "server/ByteText.h"

namespace standin {

std::string BytesToText(std::string_view bytes) {
  std::string text;
  text.reserve(bytes.size());
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80) {
      text += c;
    } else {
      text += static_cast<char>(0xC0 | (byte >> 6));
      text += static_cast<char>(0x80 | (byte & 0x3F));
    }
  }
  return text;
}

// Only one-byte characters and the two-byte forms of U+0080..U+00FF (lead bytes C2, C3).
std::optional<std::string> TextToBytes(std::string_view text) {
  std::string bytes;
  bytes.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    if (lead < 0x80) {
      bytes += text[i];
      continue;
    }
    if ((lead != 0xC2 && lead != 0xC3) || i + 1 >= text.size()) return std::nullopt;
    const auto trail = static_cast<unsigned char>(text[++i]);
    if ((trail & 0xC0) != 0x80) return std::nullopt;
    bytes += static_cast<char>(((lead & 0x1F) << 6) | (trail & 0x3F));
  }
  return bytes;
}

}  // namespace standin
