#include "common/NumberFormat.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

namespace {

void RemoveTrailingZeros(std::string& text) {
  const std::size_t exponent = text.find_first_of("eE");
  std::string mantissa = text.substr(0, exponent);
  const std::string tail = exponent == std::string::npos ? "" : text.substr(exponent);
  std::string exponentText;
  if (!tail.empty()) {
    // "E+015" style becomes "E15", "E-06" becomes "E-6".
    const bool negative = tail.size() > 1 && tail[1] == '-';
    std::size_t digits = tail.find_first_not_of("eE+-");
    while (digits + 1 < tail.size() && tail[digits] == '0') ++digits;
    exponentText = std::string("E") + (negative ? "-" : "") + tail.substr(digits);
  }
  if (mantissa.find('.') != std::string::npos) {
    while (!mantissa.empty() && mantissa.back() == '0') mantissa.pop_back();
    if (!mantissa.empty() && mantissa.back() == '.') mantissa.pop_back();
  }
  text = mantissa + exponentText;
}

}  // namespace

std::string FormatNumber(double value) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value > 0 ? "INF" : "-INF";
  if (value == 0) return "0";
  char text[64];
  const double magnitude = std::fabs(value);
  if (magnitude >= 1e-5 && magnitude < 1e15) {
    // Fixed notation with 15 significant digits in all.
    const int integerDigits = static_cast<int>(std::floor(std::log10(magnitude))) + 1;
    const int decimals = std::max(0, 15 - integerDigits);
    // Exactly what "%.*f" prints, without the stream machinery: exports format millions.
    char* end =
        std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals).ptr;
    if (std::find(text, end, '.') != end) {
      while (end[-1] == '0') --end;
      if (end[-1] == '.') --end;
    }
    std::string result(text, end);
    if (result == "-0") result = "0";
    return result;
  } else {
    std::snprintf(text, sizeof text, "%.14E", value);
  }
  std::string result(text);
  RemoveTrailingZeros(result);
  if (result == "-0") result = "0";
  return result;
}
