#include "app/board_view/SvgElement.h"

#include <charconv>
#include <cmath>

#include "app/board_view/XmlText.h"
#include "common/NumberFormat.h"

namespace pcbhost {

namespace {

constexpr double kUnitsPerMil = 10000;
constexpr double kDecimals = 10000;
// Room for the attributes of a typical element, so that most never grow their text.
constexpr std::size_t kAttributesRoom = 160;

}  // namespace

void AppendSvgNumber(std::string& out, double value) {
  if (!std::isfinite(value)) {
    out += '0';
    return;
  }
  const double rounded = std::round(value * kDecimals) / kDecimals;
  if (rounded == 0) {
    out += '0';
    return;
  }
  // Up to eleven digits before the point: the shortest digits that read back as the value
  // are those of the rounded decimal, as FormatNumber writes them, and far quicker to make.
  if (std::fabs(rounded) >= 1e11) {
    out += FormatNumber(rounded);
    return;
  }
  char text[32];
  const auto end = std::to_chars(text, text + sizeof(text), rounded, std::chars_format::fixed);
  out.append(text, end.ptr);
}

std::string SvgNumber(double value) {
  std::string text;
  AppendSvgNumber(text, value);
  return text;
}

std::string SvgLength(double units) { return SvgNumber(units / kUnitsPerMil); }

TSvgElement::TSvgElement(std::string_view tag) : FTag(tag) { FAttributes.reserve(kAttributesRoom); }

void TSvgElement::StartAttribute(std::string_view name) {
  FAttributes += ' ';
  FAttributes += name;
  FAttributes += "=\"";
}

TSvgElement& TSvgElement::Length(std::string_view name, double units) {
  return Number(name, units / kUnitsPerMil);
}

TSvgElement& TSvgElement::Number(std::string_view name, double value) {
  StartAttribute(name);
  AppendSvgNumber(FAttributes, value);
  FAttributes += '"';
  return *this;
}

TSvgElement& TSvgElement::Set(std::string_view name, std::string_view text) {
  StartAttribute(name);
  if (IsPlainXmlText(text))
    FAttributes += text;
  else
    FAttributes += XmlText(text);
  FAttributes += '"';
  return *this;
}

std::string TSvgElement::Empty() const { return "<" + FTag + FAttributes + "/>\n"; }

std::string TSvgElement::Open() const { return "<" + FTag + FAttributes + ">\n"; }

std::string TSvgElement::Close() const { return "</" + FTag + ">\n"; }

std::string TSvgElement::WithText(std::string_view text) const {
  return "<" + FTag + FAttributes + ">" + XmlText(text) + "</" + FTag + ">\n";
}

}  // namespace pcbhost
