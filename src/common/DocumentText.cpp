#include "common/DocumentText.h"

namespace {

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

}  // namespace

std::string BytesToDocumentText(std::string_view bytes) {
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

std::string DocumentTextToBytes(std::string_view text) {
  std::string bytes;
  bytes.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    // U+0080..U+00FF are the two-byte sequences C2 xx and C3 xx.
    if ((lead == 0xC2 || lead == 0xC3) && i + 1 < text.size() &&
        IsContinuation(static_cast<unsigned char>(text[i + 1]))) {
      const auto next = static_cast<unsigned char>(text[++i]);
      bytes += static_cast<char>(((lead & 0x1F) << 6) | (next & 0x3F));
    } else {
      bytes += text[i];
    }
  }
  return bytes;
}
