#include "rtl/PcbFixedStrings.h"

#include <algorithm>
#include <cstring>

namespace {

template <class FixedString>
FixedString ToFixed(std::string_view text) {
  FixedString result{};
  const std::size_t length = std::min(text.size(), sizeof(result.text));
  result.length = static_cast<uint8_t>(length);
  std::memcpy(result.text, text.data(), length);
  return result;
}

template <class FixedString>
std::string FromFixed(const FixedString& text) {
  return std::string(text.text, std::min<std::size_t>(text.length, sizeof(text.text)));
}

}  // namespace

PcbString20 ToPcbString20(std::string_view text) { return ToFixed<PcbString20>(text); }
PcbString254 ToPcbString254(std::string_view text) { return ToFixed<PcbString254>(text); }
std::string FromPcbString(const PcbString20& text) { return FromFixed(text); }
std::string FromPcbString(const PcbString254& text) { return FromFixed(text); }
