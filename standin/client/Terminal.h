// The host's text terminal: standard error for everything the host tells the user (prompts,
// messages, the progress bar) and standard input for the answers.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace standin {

class ITerminal {
public:
  virtual ~ITerminal() = default;
  virtual bool InputIsTerminal() = 0;
  virtual bool ErrorIsTerminal() = 0;
  // Writes the bytes to standard error as they are.
  virtual void WriteError(std::string_view text) = 0;
  // One line of standard input without its line end; nothing at the end of the input or when
  // the read was interrupted.
  virtual std::optional<std::string> ReadLine() = 0;
};

}  // namespace standin
