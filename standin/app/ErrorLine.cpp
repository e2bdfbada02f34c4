#include "app/ErrorLine.h"

#include <cstdio>
#include <string>

namespace pcbhost {

void PrintError(std::string_view text) {
  std::string line = "pcbhost: ";
  // One line, whatever the text holds.
  for (const char c : text) line += (c == '\n' || c == '\r') ? ' ' : c;
  line += '\n';
  std::fwrite(line.data(), 1, line.size(), stderr);
  std::fflush(stderr);
}

}  // namespace pcbhost
