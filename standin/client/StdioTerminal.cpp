#include "client/StdioTerminal.h"

#include <unistd.h>

#include <cstdio>
#include <iostream>

namespace standin {

bool TStdioTerminal::InputIsTerminal() { return ::isatty(STDIN_FILENO) == 1; }

bool TStdioTerminal::ErrorIsTerminal() { return ::isatty(STDERR_FILENO) == 1; }

void TStdioTerminal::WriteError(std::string_view text) {
  std::fwrite(text.data(), 1, text.size(), stderr);
  std::fflush(stderr);
}

std::optional<std::string> TStdioTerminal::ReadLine() {
  std::string line;
  if (!std::getline(std::cin, line)) {
    // An interrupted read (Ctrl-C) leaves the stream failed; the next question reads again.
    std::cin.clear();
    std::clearerr(stdin);
    return std::nullopt;
  }
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return line;
}

}  // namespace standin
