// Byte strings as board documents (JSON) store them: each byte is the character of the same
// number, U+0000..U+00FF, so that any byte string survives a save and a load (a UTF-8 name
// therefore appears as its bytes).
#pragma once

#include <string>
#include <string_view>

// The UTF-8 text whose characters are the bytes.
std::string BytesToDocumentText(std::string_view bytes);

// The bytes back from such a text. A character above U+00FF, which only another writer can
// have put there, keeps its UTF-8 bytes.
std::string DocumentTextToBytes(std::string_view text);
