// The host's file dialog ("Client:RunCommonDialog"). Answers come from the list given to the
// host (one per dialog, in order; an empty answer cancels its dialog); with none left the user is
// asked on the terminal when standard input is one, and otherwise the dialog is cancelled. The
// prompt always goes to standard error.
#pragma once

#include <deque>
#include <optional>
#include <string>

#include "client/Terminal.h"
#include "common/ParameterText.h"

namespace standin {

class TCommonDialog {
public:
  explicit TCommonDialog(ITerminal& terminal) : FTerminal(terminal) {}

  void AddAnswer(std::string path) { FAnswers.push_back(std::move(path)); }
  std::size_t RemainingAnswers() const { return FAnswers.size(); }

  // Runs the dialog its parameters describe and sets its results: "Result" is "True" with
  // "Path" the chosen file, or "False" when cancelled.
  void Run(TParameterList& parameters);

private:
  std::optional<std::string> Answer(const std::string& prompt);

  ITerminal& FTerminal;
  std::deque<std::string> FAnswers;
};

}  // namespace standin
