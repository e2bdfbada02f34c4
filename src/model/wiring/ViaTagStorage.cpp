#include "model/wiring/ViaTagStorage.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <string_view>
#include <unordered_map>

#include "common/AsciiText.h"
#include "common/ParameterText.h"
#include "model/base/EmbeddedStorage.h"
#include "model/base/SpecctraText.h"
#include "rtl/PcbEmbedded.h"
#include "rtl/PcbIteration.h"
#include "rtl/PcbObjectCalls.h"

namespace {

// The chunk names of every via-tag storage begin so; the number and the chunk index follow.
std::string ViaTagNameBase() { return TEmbeddedStorageWrapper(0, "Type=ViaTag|ID=").ChunkPrefix(); }

struct TViaTagChunk {
  PcbHandle Handle = 0;
  int Number = 0;
  int Index = 0;
  std::string Data;
};

// The via number and chunk index of a chunk name exactly as its storage writes it.
bool ParseChunkName(std::string_view name, std::string_view base, int& number, int& index) {
  if (name.substr(0, base.size()) != base) return false;
  const std::string_view rest = name.substr(base.size());
  const std::string_view digits = rest.substr(0, rest.find('|'));
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
  if (error != std::errc() || end != digits.data() + digits.size() || number < 1 ||
      number > kHighestLoadedViaTag || std::to_string(number) != digits)
    return false;
  return ChunkIndexOf(name, std::string(base) + std::string(digits), index);
}

// The via-tag chunks of the board, in the host's order; with their texts when asked.
std::vector<TViaTagChunk> ViaTagChunksOf(PcbHandle board, bool withData) {
  const std::string base = ViaTagNameBase();
  std::vector<TViaTagChunk> chunks;
  ForEachPcbObject(board, kPcbObjectEmbedded, [&](PcbHandle handle) {
    TPcbEmbedded embedded(handle);
    embedded.Update(kPcbMessageRead);
    TViaTagChunk chunk{handle};
    if (!ParseChunkName(embedded.GetName(), base, chunk.Number, chunk.Index)) return;
    if (withData) chunk.Data = embedded.GetData();
    chunks.push_back(std::move(chunk));
  });
  return chunks;
}

// A stored value: decimal for the count, hexadecimal 32-bit for positions; 0 when it is
// missing or not such a number.
int64_t StoredCount(const std::string* text) {
  int64_t value = 0;
  if (!text) return 0;
  const auto [end, error] = std::from_chars(text->data(), text->data() + text->size(), value);
  return error == std::errc() && end == text->data() + text->size() ? value : 0;
}

int32_t StoredCoordinate(const std::string* text) {
  uint32_t value = 0;
  if (!text) return 0;
  const auto [end, error] = std::from_chars(text->data(), text->data() + text->size(), value, 16);
  if (error != std::errc() || end != text->data() + text->size()) return 0;
  return static_cast<int32_t>(value);
}

}  // namespace

std::string ViaTagDataText(const std::vector<TStoredViaTag>& tags) {
  std::string text = "C=" + std::to_string(tags.size());
  for (std::size_t j = 0; j < tags.size(); ++j) {
    const std::string index = std::to_string(j);
    text += "|X" + index + "=" + HandleToHex(static_cast<uint32_t>(tags[j].X));
    text += "|Y" + index + "=" + HandleToHex(static_cast<uint32_t>(tags[j].Y));
  }
  return text;
}

void AddViaTagsFromText(const std::string& data, uint8_t number, TTaggedVias& tags) {
  const TParameterList parameters = ParseParameters(data);
  // The first parameter of a name counts, as in a lookup by name.
  std::unordered_map<std::string, const std::string*> values;
  for (const TParameter& parameter : parameters)
    values.emplace(AsciiUpperText(parameter.Name), &parameter.Value);
  const auto value = [&](const std::string& name) -> const std::string* {
    const auto found = values.find(name);
    return found == values.end() ? nullptr : found->second;
  };
  // Tags past the stored positions all sit at 0, 0; one of them finds what many would, so a
  // damaged count cannot make the export allocate without bound.
  const int64_t count = std::min<int64_t>(StoredCount(value("C")),
                                          static_cast<int64_t>(parameters.size()) + 1);
  for (int64_t j = 0; j < count; ++j) {
    const std::string index = std::to_string(j);
    tags.Add(nullptr, number, StoredCoordinate(value("X" + index)),
             StoredCoordinate(value("Y" + index)));
  }
}

void StoreViaTagChunks(PcbHandle board, const std::vector<TStoredViaTag>& tags) {
  std::array<std::vector<TStoredViaTag>, kHighestStoredViaTag + 1> byNumber;
  for (const TStoredViaTag& tag : tags)
    if (tag.Number >= 1 && tag.Number <= kHighestStoredViaTag) byNumber[tag.Number].push_back(tag);
  for (const TViaTagChunk& chunk : ViaTagChunksOf(board, false)) {
    if (chunk.Number > kHighestStoredViaTag || byNumber[chunk.Number].empty()) continue;
    DeletePcbObjectFromContainer(board, chunk.Handle);
    DestroyPcbObject(chunk.Handle);
  }
  for (int number = 1; number <= kHighestStoredViaTag; ++number) {
    if (byNumber[number].empty()) continue;
    TEmbeddedStorageWrapper storage(board, ViaTagStorageKey(number));
    storage.SetData(ViaTagDataText(byNumber[number]));
    storage.Save();
  }
}

TTaggedVias LoadStoredViaTags(PcbHandle board, std::vector<std::string>& errors) {
  std::array<TStorageChunks, kHighestLoadedViaTag + 1> byNumber;
  // A later chunk of the same number and index replaces an earlier one.
  for (TViaTagChunk& chunk : ViaTagChunksOf(board, true))
    byNumber[chunk.Number][chunk.Index] = std::move(chunk.Data);
  TTaggedVias tags;
  for (int number = 1; number <= kHighestLoadedViaTag; ++number) {
    std::string data, error;
    if (JoinChunks(byNumber[number], data, &error))
      AddViaTagsFromText(data, static_cast<uint8_t>(number), tags);
    else if (!error.empty())
      errors.push_back(error);
  }
  return tags;
}
