#include "server/BoardDocumentFile.h"

#include <nlohmann/json.hpp>

#include "common/SafeFile.h"
#include "server/Board.h"

namespace standin {
namespace {

using TJson = nlohmann::ordered_json;

constexpr const char* kFormatName = "pcbdoc";
constexpr int kFormatVersion = 1;

// Byte strings are stored byte for byte: each byte is the character of the same number, so
// that any name survives a save and a load.
std::string BytesToUtf8(const std::string& bytes) {
  std::string text;
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80) {
      text += c;
    } else {
      text += static_cast<char>(0xC0 | (byte >> 6));
      text += static_cast<char>(0x80 | (byte & 0x3F));
    }
  }
  return text;
}

bool SetError(std::string* error, const std::string& text) {
  if (error) *error = text;
  return false;
}

}  // namespace

bool LoadBoardDocument(TBoard& board, std::string* error) {
  const std::string& path = board.FileName();
  const auto bytes = ReadWholeFile(path, error);
  if (!bytes) return false;
  if (bytes->empty()) return true;
  const TJson document = TJson::parse(*bytes, nullptr, false);
  if (document.is_discarded() || !document.is_object())
    return SetError(error, "not a board document (no JSON object): " + path);
  const auto format = document.find("format");
  if (format == document.end() || *format != kFormatName)
    return SetError(error, "not a board document (format is not \"pcbdoc\"): " + path);
  const auto version = document.find("version");
  if (version == document.end() || !version->is_number_integer() || *version != kFormatVersion)
    return SetError(error, "unsupported board document version: " + path);
  return true;
}

bool SaveBoardDocument(const TBoard& board, std::string* error) {
  TJson document;
  document["format"] = kFormatName;
  document["version"] = kFormatVersion;
  document["board"] = TJson{{"fileName", BytesToUtf8(board.FileName())}};
  document["layers"] = TJson::array();
  document["layerPairs"] = TJson::array();
  document["objects"] = TJson::array();
  return WriteFileReplacing(board.FileName(), document.dump(2) + "\n", error);
}

}  // namespace standin
