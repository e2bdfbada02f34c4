#include "client/CommonDialog.h"

#include "client/TerminalText.h"

namespace standin {
namespace {

std::string PromptOf(const TParameterList& parameters) {
  const TParameter* prompt = FindParameter(parameters, "Prompt");
  return prompt && !prompt->Value.empty() ? prompt->Value : "Choose a file";
}

}  // namespace

void TCommonDialog::Run(TParameterList& parameters) {
  const std::optional<std::string> path = Answer(PromptOf(parameters));
  SetParameter(parameters, "Result", path ? "True" : "False");
  if (path) SetParameter(parameters, "Path", *path);
}

std::optional<std::string> TCommonDialog::Answer(const std::string& prompt) {
  if (!FAnswers.empty()) {
    std::string path = std::move(FAnswers.front());
    FAnswers.pop_front();
    if (path.empty()) {
      WriteErrorLine(FTerminal, prompt + ": cancelled");
      return std::nullopt;
    }
    WriteErrorLine(FTerminal, prompt + ": " + path);
    return path;
  }
  if (!FTerminal.InputIsTerminal()) {
    WriteErrorLine(FTerminal, prompt + ": cancelled (no answer given)");
    return std::nullopt;
  }
  FTerminal.WriteError(TerminalText(prompt) + " (file path, empty to cancel): ");
  std::optional<std::string> line = FTerminal.ReadLine();
  if (!line || line->empty()) {
    WriteErrorLine(FTerminal, "cancelled");
    return std::nullopt;
  }
  return line;
}

}  // namespace standin
