#include "common/ParameterText.h"

#include "common/AsciiText.h"

TParameterList ParseParameters(std::string_view text) {
  TParameterList list;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find('|', start);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view segment = text.substr(start, end - start);
    const std::size_t equals = segment.find('=');
    if (equals != std::string_view::npos) {
      std::string name = TrimText(segment.substr(0, equals));
      if (!name.empty()) list.push_back({std::move(name), TrimText(segment.substr(equals + 1))});
    }
    start = end + 1;
  }
  return list;
}

std::string ParametersToText(const TParameterList& list) {
  std::string text;
  bool first = true;
  for (const TParameter& p : list) {
    if (!first) text += '|';
    first = false;
    text += p.Name;
    text += '=';
    text += p.Value.empty() ? std::string(" ") : p.Value;
  }
  return text;
}

const TParameter* FindParameter(const TParameterList& list, std::string_view name) {
  for (const TParameter& p : list)
    if (SameTextIgnoringCase(p.Name, name)) return &p;
  return nullptr;
}

void SetParameter(TParameterList& list, std::string_view name, std::string_view value) {
  for (TParameter& p : list) {
    if (SameTextIgnoringCase(p.Name, name)) {
      p.Value = TrimText(value);
      return;
    }
  }
  list.push_back({std::string(name), TrimText(value)});
}
