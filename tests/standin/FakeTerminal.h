// A terminal for tests of the stand-in client: says whether it is interactive as told, hands
// out prepared input lines, and keeps what was written to standard error.
#pragma once

#include <deque>
#include <optional>
#include <string>

#include "client/Terminal.h"

class TFakeTerminal final : public standin::ITerminal {
public:
  bool InputInteractive = false;
  bool ErrorInteractive = false;
  std::deque<std::string> InputLines;
  std::string Err;

  bool InputIsTerminal() override { return InputInteractive; }
  bool ErrorIsTerminal() override { return ErrorInteractive; }
  void WriteError(std::string_view text) override { Err += text; }
  std::optional<std::string> ReadLine() override {
    if (InputLines.empty()) return std::nullopt;
    std::string line = InputLines.front();
    InputLines.pop_front();
    return line;
  }
};
