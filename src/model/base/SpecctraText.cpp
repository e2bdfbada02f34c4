#include "model/base/SpecctraText.h"

#include <cstdio>

#include "common/AsciiText.h"
#include "rtl/Parameters.h"

std::string ShapeKindName(int kind) {
  switch (kind) {
    case 0: return "Filled Polygon Shape";
    case 1: return "Rectangular Shape";
    case 2: return "Circular Shape";
    case 3: return "Polyline Shape";
    case 4: return "Quarter Arc Shape";
    default: return "ERROR: Unknown Specctra shape type.";
  }
}

void SideName(int side, std::string& text) {
  switch (side) {
    case 0: text = "Front Side"; break;
    case 1: text = "Back Side"; break;
    case 2: text = "Both Sides"; break;
    default: break;
  }
}

bool IsGenericLayerName(std::string_view name) {
  return SameTextIgnoringCase(name, "SIGNAL") || SameTextIgnoringCase(name, "POWER") ||
         SameTextIgnoringCase(name, "PCB");
}

std::string HandleToHex(uint32_t value) {
  char text[16];
  std::snprintf(text, sizeof text, "%X", value);
  return text;
}

std::string GetShortParameter(std::string_view text, std::string_view name) {
  std::string value;
  GetParameterValue(CutText(text), name, value);
  return value;
}

void SetShortParameter(std::string& text, std::string_view name, std::string_view value) {
  text = CutText(text);
  SetParameterValue(text, name, value);
  text = CutText(text);
}

std::string QuoteName(std::string_view name) {
  if (!name.empty() && name.find_first_of("() \t") == std::string_view::npos)
    return std::string(name);
  return Apostrophes(name);
}

std::string Apostrophes(std::string_view text) { return "'" + std::string(text) + "'"; }
std::string Parenthesize(std::string_view text) { return "(" + std::string(text) + ")"; }
std::string ApostrophesInParentheses(std::string_view text) {
  return Parenthesize(Apostrophes(text));
}

std::string JoinWith(std::string_view left, std::string_view op, std::string_view right) {
  if (left.empty()) return std::string(right);
  return std::string(left) + " " + std::string(op) + " " + std::string(right);
}
