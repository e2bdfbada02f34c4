#include "app/board_view/XmlText.h"

#include <cstdint>
#include <vector>

namespace pcbhost {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

// The length of the UTF-8 sequence a byte starts; 0 for a byte that starts none.
std::size_t SequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if (lead < 0xC2) return 0;
  if (lead < 0xE0) return 2;
  if (lead < 0xF0) return 3;
  return lead < 0xF5 ? 4 : 0;
}

// The characters of valid UTF-8 (no overlong forms, surrogates or values past U+10FFFF);
// false when the bytes are not such text.
bool DecodeUtf8(std::string_view bytes, std::vector<char32_t>& characters) {
  for (std::size_t i = 0; i < bytes.size();) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    const std::size_t length = SequenceLength(lead);
    if (length == 0 || i + length > bytes.size()) return false;
    char32_t value = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(bytes[i + k]);
      if ((next & 0xC0) != 0x80) return false;
      value = value << 6 | (next & 0x3F);
    }
    const char32_t lowest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (value < lowest[length] || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
      return false;
    characters.push_back(value);
    i += length;
  }
  return true;
}

bool AllowedInXml(char32_t c) {
  if (c < 0x20) return c == '\t' || c == '\n' || c == '\r';
  return c != 0xFFFE && c != 0xFFFF;
}

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

void AppendEscaped(std::string& out, char32_t c) {
  switch (c) {
    case '&': out += "&amp;"; return;
    case '<': out += "&lt;"; return;
    case '>': out += "&gt;"; return;
    case '"': out += "&quot;"; return;
    case '\'': out += "&apos;"; return;
    default: AppendUtf8(out, AllowedInXml(c) ? c : kReplacement);
  }
}

}  // namespace

bool IsPlainXmlText(std::string_view bytes) {
  for (const char b : bytes) {
    if (b < 0x20 || b > 0x7e) return false;
    if (b == '&' || b == '<' || b == '>' || b == '"' || b == '\'') return false;
  }
  return true;
}

std::string XmlText(std::string_view bytes) {
  std::vector<char32_t> characters;
  if (!DecodeUtf8(bytes, characters)) {
    characters.clear();
    for (const char b : bytes) characters.push_back(static_cast<unsigned char>(b));
  }
  std::string out;
  out.reserve(bytes.size());
  for (const char32_t c : characters) AppendEscaped(out, c);
  return out;
}

}  // namespace pcbhost
