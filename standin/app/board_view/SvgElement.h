// One SVG element as text: a tag with attributes in the order given, escaped.
//
// The picture's unit is the mil: a length in host units is written divided by 10000, to four
// decimals, so that every width is exact to the host unit (a 10 mil track is
// stroke-width="10") and sizes stay within what font rasterizers accept.
#pragma once

#include <string>
#include <string_view>

namespace pcbhost {

// A length or coordinate in host units, as the picture's mils.
std::string SvgLength(double units);
// A plain number (an angle, an opacity), to four decimals.
std::string SvgNumber(double value);

class TSvgElement {
public:
  explicit TSvgElement(std::string_view tag);

  // A length in host units.
  TSvgElement& Length(std::string_view name, double units);
  TSvgElement& Number(std::string_view name, double value);
  // The value is a byte string (see XmlText).
  TSvgElement& Set(std::string_view name, std::string_view text);

  // <tag .../>
  std::string Empty() const;
  // <tag ...>, to be closed with Close().
  std::string Open() const;
  std::string Close() const;
  // <tag ...>text</tag>, the text a byte string.
  std::string WithText(std::string_view text) const;

private:
  void StartAttribute(std::string_view name);

  std::string FTag;
  std::string FAttributes;
};

}  // namespace pcbhost
