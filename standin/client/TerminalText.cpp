#include "client/TerminalText.h"

namespace standin {

std::string TerminalText(std::string_view text) {
  std::string lines;
  lines.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c != '\r' && c != '\n') {
      lines += c;
      continue;
    }
    lines += '\n';
    const bool pair =
        i + 1 < text.size() && (text[i + 1] == '\r' || text[i + 1] == '\n') && text[i + 1] != c;
    if (pair) ++i;
  }
  return lines;
}

void WriteErrorLine(ITerminal& terminal, std::string_view text) {
  terminal.WriteError(TerminalText(text) + "\n");
}

}  // namespace standin
