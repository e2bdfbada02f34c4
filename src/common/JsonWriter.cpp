#include "common/JsonWriter.h"

#include <charconv>
#include <cmath>

namespace {

constexpr char kHexDigits[] = "0123456789abcdef";

}  // namespace

void TJsonWriter::SeparateInContainer() {
  if (!FFirst.back()) FText += ',';
  FFirst.back() = false;
  BreakLine();
}

void TJsonWriter::BreakLine() {
  if (!FBreakPending) return;
  FText += '\n';
  FBreakPending = false;
}

void TJsonWriter::NewLine() {
  FBreakPending = true;
  if (FFirst.empty()) BreakLine();
}

void TJsonWriter::Open(char bracket) {
  Separate();
  FText += bracket;
  FFirst.push_back(true);
}

void TJsonWriter::Close(char bracket) {
  BreakLine();
  if (!FFirst.empty()) FFirst.pop_back();
  FText += bracket;
}

void TJsonWriter::Key(std::string_view key) {
  Separate();
  AppendText(key);
  FText += ':';
  FAfterKey = true;
}

void TJsonWriter::Null() {
  Separate();
  FText += "null";
}

void TJsonWriter::Boolean(bool value) {
  Separate();
  FText += value ? "true" : "false";
}

void TJsonWriter::Real(double value) {
  Separate();
  if (!std::isfinite(value)) value = 0;
  // The shortest digits that read back as the same value; plain decimals in the usual range.
  const double size = std::fabs(value);
  const auto format = size == 0 || (size >= 1e-5 && size < 1e15) ? std::chars_format::fixed
                                                                  : std::chars_format::scientific;
  char digits[64];
  const auto result = std::to_chars(digits, digits + sizeof(digits), value, format);
  const std::string_view text(digits, static_cast<std::size_t>(result.ptr - digits));
  FText += text;
  if (text.find_first_of(".e") == std::string_view::npos) FText += ".0";
}

void TJsonWriter::Literal(std::string_view json) {
  Separate();
  FText += json;
}

std::string_view TJsonWriter::EntriesBeside(std::string_view json) {
  if (json.empty() || FFirst.empty()) return json;
  if (FFirst.back()) json.remove_prefix(1);
  FFirst.back() = false;
  return json;
}

void TJsonWriter::AppendEscaped(char c) {
  const auto byte = static_cast<unsigned char>(c);
  switch (c) {
    case '"': FText += "\\\""; return;
    case '\\': FText += "\\\\"; return;
    case '\b': FText += "\\b"; return;
    case '\f': FText += "\\f"; return;
    case '\n': FText += "\\n"; return;
    case '\r': FText += "\\r"; return;
    case '\t': FText += "\\t"; return;
    default: break;
  }
  if (byte < 0x20) {
    FText += "\\u00";
    FText += kHexDigits[byte >> 4];
    FText += kHexDigits[byte & 0x0F];
  } else {
    FText += c;
  }
}

void TJsonWriter::AppendText(std::string_view text) {
  FText += '"';
  for (const char c : text) AppendEscaped(c);
  FText += '"';
}

void TJsonWriter::Text(std::string_view text) {
  Separate();
  AppendText(text);
}

void TJsonWriter::Bytes(std::string_view bytes) {
  Separate();
  FText += '"';
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80) {
      AppendEscaped(c);
    } else {
      FText += static_cast<char>(0xC0 | (byte >> 6));
      FText += static_cast<char>(0x80 | (byte & 0x3F));
    }
  }
  FText += '"';
}

TJsonWriter::TMark TJsonWriter::Mark() const {
  return {FText.size(), FFirst.size(), FFirst.empty() || FFirst.back(), FBreakPending};
}

void TJsonWriter::Rewind(const TMark& mark) {
  FText.resize(mark.Size);
  FFirst.resize(mark.Depth);
  if (!FFirst.empty()) FFirst.back() = mark.First;
  FAfterKey = false;
  FBreakPending = mark.BreakPending;
}
