#include "app/board_view/SvgElement.h"

#include <cmath>

#include "app/board_view/XmlText.h"
#include "common/NumberFormat.h"

namespace pcbhost {

namespace {

constexpr double kUnitsPerMil = 10000;
constexpr double kDecimals = 10000;

}  // namespace

std::string SvgNumber(double value) {
  if (!std::isfinite(value)) return "0";
  return FormatNumber(std::round(value * kDecimals) / kDecimals);
}

std::string SvgLength(double units) { return SvgNumber(units / kUnitsPerMil); }

TSvgElement::TSvgElement(std::string_view tag) : FTag(tag) {}

TSvgElement& TSvgElement::Length(std::string_view name, double units) {
  FAttributes += " " + std::string(name) + "=\"" + SvgLength(units) + "\"";
  return *this;
}

TSvgElement& TSvgElement::Number(std::string_view name, double value) {
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
