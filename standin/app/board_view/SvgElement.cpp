#include "app/board_view/SvgElement.h"

#include <cmath>

#include "app/board_view/XmlText.h"
#include "common/NumberFormat.h"

namespace pcbhost {

std::string SvgNumber(double value) {
  if (!std::isfinite(value)) return "0";
  return FormatNumber(std::round(value * 100) / 100);
}

TSvgElement::TSvgElement(std::string_view tag) : FTag(tag) {}

TSvgElement& TSvgElement::Set(std::string_view name, double value) {
  FAttributes += " " + std::string(name) + "=\"" + SvgNumber(value) + "\"";
  return *this;
}

TSvgElement& TSvgElement::Set(std::string_view name, std::string_view text) {
  FAttributes += " " + std::string(name) + "=\"" + XmlText(text) + "\"";
  return *this;
}

std::string TSvgElement::Empty() const { return "<" + FTag + FAttributes + "/>\n"; }

std::string TSvgElement::Open() const { return "<" + FTag + FAttributes + ">\n"; }

std::string TSvgElement::Close() const { return "</" + FTag + ">\n"; }

std::string TSvgElement::WithText(std::string_view text) const {
  return "<" + FTag + FAttributes + ">" + XmlText(text) + "</" + FTag + ">\n";
}

}  // namespace pcbhost
