// Byte strings as XML text: UTF-8, escaped, and only characters that XML allows.
#pragma once

#include <string>
#include <string_view>

namespace pcbhost {

// A byte string that is valid UTF-8 keeps its characters; any other is read as one character
// per byte (U+0000..U+00FF). Markup characters are escaped (& < > " ') and characters XML
// cannot hold (controls other than tab, LF and CR) become U+FFFD.
std::string XmlText(std::string_view bytes);
// Whether XmlText would give the bytes back unchanged: printable ASCII without markup.
bool IsPlainXmlText(std::string_view bytes);

}  // namespace pcbhost
