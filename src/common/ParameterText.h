// The host's parameter text: name=value pairs joined by '|', names compared ignoring case.
#pragma once

#include <string>
#include <string_view>
#include <vector>

struct TParameter {
  std::string Name;
  std::string Value;
};

using TParameterList = std::vector<TParameter>;

// Parses the text: '|' or the end closes a segment; the first '=' divides name from value;
// segments without '=' or with an empty name are ignored; both parts are trimmed.
TParameterList ParseParameters(std::string_view text);
// name=value pairs joined by '|'; an empty value is written as one blank.
std::string ParametersToText(const TParameterList& list);
// The value of the first parameter with the name, or nothing.
const TParameter* FindParameter(const TParameterList& list, std::string_view name);
// Sets the first parameter with the name (value trimmed) or appends it.
void SetParameter(TParameterList& list, std::string_view name, std::string_view value);
