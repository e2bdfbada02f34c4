// Texts of the plug-in shown on the terminal: its line breaks (CR LF, LF CR, lone CR) become
// plain line feeds so that a message reads as lines.
#pragma once

#include <string>
#include <string_view>

#include "client/Terminal.h"

namespace standin {

std::string TerminalText(std::string_view text);

// Writes the text and a line end to standard error.
void WriteErrorLine(ITerminal& terminal, std::string_view text);

}  // namespace standin
