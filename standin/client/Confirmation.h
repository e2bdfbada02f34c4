// Yes/No confirmations: answered by the host's standing answer when one was given, else asked
// on the terminal when standard input is one, else No. The question goes to standard error.
#pragma once

#include <string_view>

#include "client/Terminal.h"

namespace standin {

enum class TConfirmAnswer { Ask, Yes, No };

class TConfirmation {
public:
  explicit TConfirmation(ITerminal& terminal) : FTerminal(terminal) {}

  void SetAnswer(TConfirmAnswer answer) { FAnswer = answer; }
  bool Ask(std::string_view question);

private:
  ITerminal& FTerminal;
  TConfirmAnswer FAnswer = TConfirmAnswer::Ask;
};

}  // namespace standin
