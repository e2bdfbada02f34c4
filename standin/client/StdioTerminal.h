// The terminal of the process: file descriptors 0 and 2.
#pragma once

#include "client/Terminal.h"

namespace standin {

class TStdioTerminal final : public ITerminal {
public:
  bool InputIsTerminal() override;
  bool ErrorIsTerminal() override;
  void WriteError(std::string_view text) override;
  std::optional<std::string> ReadLine() override;
};

}  // namespace standin
