#include "server/DocumentFields.h"

#include <algorithm>

#include "common/AsciiText.h"

namespace standin {
namespace {

int HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  const char upper = AsciiUpper(c);
  if (upper >= 'A' && upper <= 'F') return upper - 'A' + 10;
  return -1;
}

// Plain ASCII text is its own bytes.
bool IsAscii(std::string_view text) {
  return std::all_of(text.begin(), text.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

}  // namespace

std::string HexOfBytes(const uint8_t* bytes, std::size_t size) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  while (size > 0 && bytes[size - 1] == 0) --size;
  std::string hex;
  hex.reserve(size * 2);
  for (std::size_t i = 0; i < size; ++i) {
    hex += kDigits[bytes[i] >> 4];
    hex += kDigits[bytes[i] & 0x0F];
  }
  return hex;
}

bool BytesOfHex(std::string_view hex, uint8_t* bytes, std::size_t size) {
  if (hex.size() % 2 != 0 || hex.size() / 2 > size) return false;
  std::fill(bytes, bytes + size, uint8_t{0});
  for (std::size_t i = 0; i < hex.size(); i += 2) {
    const int high = HexDigitValue(hex[i]);
    const int low = HexDigitValue(hex[i + 1]);
    if (high < 0 || low < 0) return false;
    bytes[i / 2] = static_cast<uint8_t>(high << 4 | low);
  }
  return true;
}

void TFieldWriter::operator()(const char* name, const std::vector<std::string>& texts) {
  ++FOrdinal;
  if (texts.empty()) return;
  if (!Start(name)) return;
  FJson.StartList();
  for (const std::string& text : texts) FJson.Bytes(text);
  FJson.EndList();
}

void TFieldWriter::BytesField(const char* name, std::string_view bytes) {
  ++FOrdinal;
  if (bytes.empty()) return;
  if (!Start(name)) return;
  FJson.Bytes(bytes);
}

TFieldReader::TFieldReader(TJsonValue object, std::string where)
    : FObject(object), FWhere(std::move(where)) {}

TFieldReader::TFieldReader(TJsonValue object, std::function<std::string()> where)
    : FObject(object), FWhereOf(std::move(where)) {}

TFieldReader::TFieldReader(TJsonValue object, const TFieldReader& parent, const char* field,
                           std::size_t position)
    : FObject(object), FParent(&parent), FField(field), FPosition(position) {}

void TFieldReader::operator()(const char* name, std::vector<std::string>& texts) {
  const TJsonValue list = Value(name);
  texts.clear();
  if (!list.Exists()) return;
  if (!list.IsList()) ListFail(name, list);
  for (const TJsonValue entry : list) texts.push_back(TextOf(entry, name, kShortStringMax));
}

TJsonValue TFieldReader::Value(const char* name) const { return FObject.Find(name, &FCursor); }

TJsonValue TFieldReader::Field(const char* name) const {
  const TJsonValue value = Value(name);
  if (!value.Exists()) Fail(name, "is missing");
  return value;
}

void TFieldReader::ListFail(const char* name, TJsonValue value) const {
  Fail(name, std::string("is not a list but ") + value.TypeName());
}

std::size_t TFieldReader::ListSize(const char* name) const {
  const TJsonValue list = Value(name);
  if (list.Exists() && !list.IsList()) ListFail(name, list);
  return list.Size();
}

TJsonValue TFieldReader::ListField(const char* name) const {
  const TJsonValue list = Field(name);
  if (!list.IsList()) ListFail(name, list);
  return list;
}

int64_t TFieldReader::Integer(const char* name, int64_t least, int64_t most) const {
  const TJsonValue value = Value(name);
  if (value.Exists()) return IntegerOf(value, name, least, most);
  if (least > 0 || most < 0) Fail(name, "is missing");
  return 0;
}

int64_t TFieldReader::IntegerOf(TJsonValue value, const char* name, int64_t least,
                                int64_t most) const {
  const auto range = [&] {
    return " (" + std::to_string(least) + " to " + std::to_string(most) + ")";
  };
  if (value.IsUnsigned()) {
    const uint64_t number = value.Unsigned();
    if (number > static_cast<uint64_t>(most) || static_cast<int64_t>(number) < least)
      Fail(name, "is out of range" + range());
    return static_cast<int64_t>(number);
  }
  if (!value.IsInteger()) Fail(name, std::string("is not an integer but ") + value.TypeName());
  const int64_t number = value.Signed();
  if (number < least || number > most) Fail(name, "is out of range" + range());
  return number;
}

bool TFieldReader::Boolean(const char* name) const {
  const TJsonValue value = Value(name);
  if (!value.Exists()) return false;
  if (!value.IsBoolean())
    Fail(name, std::string("is not true or false but ") + value.TypeName());
  return value.Boolean();
}

double TFieldReader::Real(const char* name) const {
  const TJsonValue value = Value(name);
  return value.Exists() ? RealOf(value, name) : 0.0;
}

double TFieldReader::RealOf(TJsonValue value, const char* name) const {
  if (!value.IsNumber()) Fail(name, std::string("is not a number but ") + value.TypeName());
  const double number = value.Real();
  if (!std::isfinite(number)) Fail(name, "is not a finite number");
  return number;
}

std::string TFieldReader::Text(const char* name, std::size_t capacity) const {
  const TJsonValue value = Value(name);
  return value.Exists() ? TextOf(value, name, capacity) : std::string();
}

std::string TFieldReader::TextOf(TJsonValue value, const char* name,
                                 std::size_t capacity) const {
  if (!value.IsText()) Fail(name, std::string("is not a text but ") + value.TypeName());
  const std::string_view text = value.Text();
  const bool ascii = IsAscii(text);
  std::string bytes = ascii ? std::string(text) : DocumentTextToBytes(text);
  // Only characters up to U+00FF are bytes; any other would not come back as it was.
  if (!ascii && BytesToDocumentText(bytes) != text) Fail(name, "holds a character beyond U+00FF");
  if (bytes.size() > capacity) Fail(name, "is longer than " + std::to_string(capacity) + " bytes");
  return bytes;
}

void TFieldReader::Fail(const char* field, const std::string& problem) const {
  Fail("field \"" + std::string(field) + "\" " + problem);
}

void TFieldReader::Fail(const std::string& problem) const {
  const std::string where = Where();
  throw EBoardDocument(where.empty() ? problem : where + ": " + problem);
}

std::string TFieldReader::Where() const {
  if (!FParent) return FWhereOf ? FWhereOf() : FWhere;
  std::string where = FParent->Where(FField);
  if (FPosition != kNoPosition) where += "[" + std::to_string(FPosition) + "]";
  return where;
}

std::string TFieldReader::Where(const char* field) const {
  const std::string where = Where();
  return where.empty() ? std::string(field) : where + "." + field;
}

}  // namespace standin
