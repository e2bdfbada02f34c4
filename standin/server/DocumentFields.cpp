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

const char* TypeName(const TJson& value) { return value.type_name(); }

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

bool BytesOfHex(const std::string& hex, uint8_t* bytes, std::size_t size) {
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
  TJson list = TJson::array();
  for (const std::string& text : texts) list.push_back(BytesToDocumentText(text));
  FObject[name] = std::move(list);
}

TFieldReader::TFieldReader(const TJson& object, std::string where)
    : FObject(object), FWhere(std::move(where)) {}

void TFieldReader::operator()(const char* name, std::vector<std::string>& texts) {
  const TJson& list = ListField(name);
  texts.clear();
  for (const TJson& entry : list) texts.push_back(TextOf(entry, name, kShortStringMax));
}

const TJson& TFieldReader::Field(const char* name) const {
  const auto found = FObject.find(name);
  if (found == FObject.end()) Fail(name, "is missing");
  return *found;
}

const TJson& TFieldReader::ListField(const char* name) const {
  const TJson& list = Field(name);
  if (!list.is_array()) Fail(name, std::string("is not a list but ") + TypeName(list));
  return list;
}

int64_t TFieldReader::Integer(const char* name, int64_t least, int64_t most) const {
  return IntegerOf(Field(name), name, least, most);
}

int64_t TFieldReader::IntegerOf(const TJson& value, const char* name, int64_t least,
                                int64_t most) const {
  const std::string range = " (" + std::to_string(least) + " to " + std::to_string(most) + ")";
  if (value.is_number_unsigned()) {
    const auto number = value.get<uint64_t>();
    if (number > static_cast<uint64_t>(most)) Fail(name, "is out of range" + range);
    return static_cast<int64_t>(number);
  }
  if (!value.is_number_integer())
    Fail(name, std::string("is not an integer but ") + TypeName(value));
  const auto number = value.get<int64_t>();
  if (number < least || number > most) Fail(name, "is out of range" + range);
  return number;
}

bool TFieldReader::Boolean(const char* name) const {
  const TJson& value = Field(name);
  if (!value.is_boolean()) Fail(name, std::string("is not true or false but ") + TypeName(value));
  return value.get<bool>();
}

double TFieldReader::Real(const char* name) const { return RealOf(Field(name), name); }

double TFieldReader::RealOf(const TJson& value, const char* name) const {
  if (!value.is_number()) Fail(name, std::string("is not a number but ") + TypeName(value));
  const double number = value.get<double>();
  if (!std::isfinite(number)) Fail(name, "is not a finite number");
  return number;
}

std::string TFieldReader::Text(const char* name, std::size_t capacity) const {
  return TextOf(Field(name), name, capacity);
}

std::string TFieldReader::TextOf(const TJson& value, const char* name,
                                 std::size_t capacity) const {
  if (!value.is_string()) Fail(name, std::string("is not a text but ") + TypeName(value));
  const std::string& text = value.get_ref<const std::string&>();
  std::string bytes = DocumentTextToBytes(text);
  // Only characters up to U+00FF are bytes; any other would not come back as it was.
  if (BytesToDocumentText(bytes) != text) Fail(name, "holds a character beyond U+00FF");
  if (bytes.size() > capacity) Fail(name, "is longer than " + std::to_string(capacity) + " bytes");
  return bytes;
}

void TFieldReader::Fail(const char* field, const std::string& problem) const {
  Fail("field \"" + std::string(field) + "\" " + problem);
}

void TFieldReader::Fail(const std::string& problem) const {
  throw EBoardDocument(FWhere.empty() ? problem : FWhere + ": " + problem);
}

std::string TFieldReader::Where(const char* field) const {
  return FWhere.empty() ? std::string(field) : FWhere + "." + field;
}

}  // namespace standin
