// One SVG element as text: a tag with attributes in the order given, escaped.
#pragma once

#include <string>
#include <string_view>

namespace pcbhost {

// Board coordinates to two decimals of a host unit, in the host's number format.
std::string SvgNumber(double value);

class TSvgElement {
public:
  explicit TSvgElement(std::string_view tag);

  TSvgElement& Set(std::string_view name, double value);
  // The value is a byte string (see XmlText).
  TSvgElement& Set(std::string_view name, std::string_view text);
  TSvgElement& Set(std::string_view name, const char* text) {
    return Set(name, std::string_view(text));
  }

  // <tag .../>
  std::string Empty() const;
  // <tag ...>, to be closed with Close().
  std::string Open() const;
  std::string Close() const;
  // <tag ...>text</tag>, the text a byte string.
  std::string WithText(std::string_view text) const;

private:
  std::string FTag;
  std::string FAttributes;
};

}  // namespace pcbhost
