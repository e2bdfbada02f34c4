#include "common/NumberFormat.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <string_view>

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
  std::string text;
  AppendNumber(text, value);
  return text;
}

void AppendNumber(std::string& text, double value) {
  if (std::isnan(value)) {
    text += "NAN";
    return;
  }
  if (std::isinf(value)) {
    text += value > 0 ? "INF" : "-INF";
    return;
  }
  char digits[64];
  const double magnitude = std::fabs(value);
  // Whole numbers (every coordinate an export writes) print as integers: the same text the
  // fixed notation gives once its zeros are gone, and -0 as 0.
  if (magnitude < 1e15 && value == std::trunc(value)) {
    const char* end =
        std::to_chars(digits, digits + sizeof digits, static_cast<int64_t>(value)).ptr;
    text.append(digits, static_cast<std::size_t>(end - digits));
    return;
  }
  if (magnitude >= 1e-5 && magnitude < 1e15) {
    // Fixed notation with 15 significant digits in all.
    const int integerDigits = static_cast<int>(std::floor(std::log10(magnitude))) + 1;
    const int decimals = std::max(0, 15 - integerDigits);
    // Exactly what "%.*f" prints, without the stream machinery: exports format millions.
    char* end = std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed,
                              decimals)
                    .ptr;
    if (std::find(digits, end, '.') != end) {
      while (end[-1] == '0') --end;
      if (end[-1] == '.') --end;
    }
    const std::string_view fixed(digits, static_cast<std::size_t>(end - digits));
    text += fixed == "-0" ? "0" : fixed;
    return;
  }
  std::snprintf(digits, sizeof digits, "%.14E", value);
  std::string scientific(digits);
  RemoveTrailingZeros(scientific);
  text += scientific == "-0" ? "0" : scientific;
}
