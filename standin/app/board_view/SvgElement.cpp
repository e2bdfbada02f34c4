#include "app/board_view/SvgElement.h"

#include <charconv>
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
  const double rounded = std::round(value * kDecimals) / kDecimals;
  if (rounded == 0) return "0";
  // Up to eleven digits before the point: the shortest digits that read back as the value
  // are those of the rounded decimal, as FormatNumber writes them, and far quicker to make.
  if (std::fabs(rounded) >= 1e11) return FormatNumber(rounded);
  char text[32];
  const auto end = std::to_chars(text, text + sizeof(text), rounded, std::chars_format::fixed);
  return std::string(text, end.ptr);
}

std::string SvgLength(double units) { return SvgNumber(units / kUnitsPerMil); }

TSvgElement::TSvgElement(std::string_view tag) : FTag(tag) {}

TSvgElement& TSvgElement::Attribute(std::string_view name, std::string_view value) {
  FAttributes += ' ';
  FAttributes += name;
  FAttributes += "=\"";
  FAttributes += value;
  FAttributes += '"';
  return *this;
}

TSvgElement& TSvgElement::Length(std::string_view name, double units) {
  return Attribute(name, SvgLength(units));
}

TSvgElement& TSvgElement::Number(std::string_view name, double value) {
  return Attribute(name, SvgNumber(value));
}

TSvgElement& TSvgElement::Set(std::string_view name, std::string_view text) {
  return Attribute(name, XmlText(text));
}

std::string TSvgElement::Empty() const { return "<" + FTag + FAttributes + "/>\n"; }

std::string TSvgElement::Open() const { return "<" + FTag + FAttributes + ">\n"; }

std::string TSvgElement::Close() const { return "</" + FTag + ">\n"; }

std::string TSvgElement::WithText(std::string_view text) const {
  return "<" + FTag + FAttributes + ">" + XmlText(text) + "</" + FTag + ">\n";
}

}  // namespace pcbhost
