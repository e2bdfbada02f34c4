// Host byte strings in board documents: each byte is the character of the same number
// (0x80..0xFF become U+0080..U+00FF), so that every byte string survives a save and a load,
// whatever its encoding.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace standin {

// The bytes as UTF-8 text.
std::string BytesToText(std::string_view bytes);
// The bytes of UTF-8 text; nothing when a character lies beyond U+00FF or the text is not
// UTF-8.
std::optional<std::string> TextToBytes(std::string_view text);

}  // namespace standin
