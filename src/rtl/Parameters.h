// Reading and writing the parameter texts that come with commands and go to host processes.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The value of the first parameter called name (letter case ignored), trimmed and cut to 255
// bytes; false when the text is empty or has no such parameter. The parsed form of the last
// text seen is kept and reused while the same text comes again.
bool GetParameterValue(std::string_view text, std::string_view name, std::string& value);

// Sets (or appends) the parameter in the text and writes the whole list back into it.
void SetParameterValue(std::string& text, std::string_view name, std::string_view value);

// True when the parameter is present and its value is "True" (letter case ignored).
bool ParameterIsTrue(std::string_view text, std::string_view name);

// An output path parameter: its value, or for "RenameDSN" (any letter case) the base file with
// the extension (given without dot). Empty when the parameter is absent.
std::string OutputPathParameter(std::string_view text, std::string_view name,
                                const std::string& baseFile, const std::string& extension);
