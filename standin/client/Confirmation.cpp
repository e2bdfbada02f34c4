#include "client/Confirmation.h"

#include <string>

#include "client/TerminalText.h"

namespace standin {
namespace {

bool IsYes(const std::string& answer) {
  return !answer.empty() && (answer.front() == 'y' || answer.front() == 'Y');
}

}  // namespace

bool TConfirmation::Ask(std::string_view question) {
  const std::string text = TerminalText(question);
  if (FAnswer == TConfirmAnswer::Ask && FTerminal.InputIsTerminal()) {
    FTerminal.WriteError(text + " [y/N] ");
    const auto line = FTerminal.ReadLine();
    if (!line) FTerminal.WriteError("\n");
    return line && IsYes(*line);
  }
  const bool yes = FAnswer == TConfirmAnswer::Yes;
  WriteErrorLine(FTerminal, text + " -> " + (yes ? "Yes" : "No"));
  return yes;
}

}  // namespace standin
