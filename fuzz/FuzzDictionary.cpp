// Prints every keyword the design lexer registers as a libFuzzer dictionary entry, so that the
// fuzzer's dictionary follows the keyword list as it changes.
#include <cstdio>
#include <string>

#include "specctra_io/SpecctraTokens.h"

namespace {

// A dictionary value: quoted, with quotes, backslashes and unprintable bytes escaped.
std::string DictionaryValue(std::string_view word) {
  std::string value = "\"";
  for (const char c : word) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      value += '\\';
      value += c;
    } else if (byte < 0x20 || byte >= 0x7f) {
      char escaped[5];
      std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
      value += escaped;
    } else {
      value += c;
    }
  }
  return value + "\"";
}

}  // namespace

int main() {
  for (const TKeywordRegistration& registration : KeywordRegistrations())
    std::printf("%s\n", DictionaryValue(registration.Word).c_str());
  // The punctuation of the format, which no keyword spells.
  for (const char* token : {"(", ")", "\"", "(pcb ", "(string_quote \")"})
    std::printf("%s\n", DictionaryValue(token).c_str());
  return 0;
}
