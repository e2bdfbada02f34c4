#include "rtl/Parameters.h"

#include "common/AsciiText.h"
#include "common/ParameterText.h"
#include "rtl/ClientFileApi.h"

namespace {

const TParameterList& ParsedParameters(std::string_view text) {
  static std::string lastText;
  static TParameterList lastList;
  static bool parsed = false;
  if (!parsed || text != lastText) {
    lastText.assign(text);
    lastList = ParseParameters(text);
    parsed = true;
  }
  return lastList;
}

}  // namespace

bool GetParameterValue(std::string_view text, std::string_view name, std::string& value) {
  if (text.empty()) return false;
  const TParameter* found = FindParameter(ParsedParameters(text), name);
  if (!found) return false;
  value = CutText(found->Value);
  return true;
}

void SetParameterValue(std::string& text, std::string_view name, std::string_view value) {
  TParameterList list = ParseParameters(text);
  SetParameter(list, name, value);
  text = ParametersToText(list);
}

bool ParameterIsTrue(std::string_view text, std::string_view name) {
  std::string value;
  return GetParameterValue(text, name, value) && SameTextIgnoringCase(value, "True");
}

std::string OutputPathParameter(std::string_view text, std::string_view name,
                                const std::string& baseFile, const std::string& extension) {
  std::string value;
  if (!GetParameterValue(text, name, value)) return {};
  return SameTextIgnoringCase(value, "RenameDSN") ? ClientForceExtension(baseFile, extension)
                                                  : value;
}
