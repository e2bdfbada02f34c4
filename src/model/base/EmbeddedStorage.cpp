#include "model/base/EmbeddedStorage.h"

#include <charconv>
#include <map>

#include "common/AsciiText.h"
#include "model/base/SpecctraText.h"
#include "rtl/Parameters.h"
#include "rtl/PcbEmbedded.h"
#include "rtl/PcbIteration.h"
#include "rtl/PcbObjectCalls.h"

namespace {

constexpr std::size_t kChunkSize = 4095;
constexpr std::string_view kServerValue = kTranslatorServer;

std::vector<PcbHandle> EmbeddedObjectsOf(PcbHandle board) {
  std::vector<PcbHandle> objects;
  ForEachPcbObject(board, kPcbObjectEmbedded, [&](PcbHandle handle) { objects.push_back(handle); });
  return objects;
}

struct TEmbeddedTexts {
  std::string Name;
  std::string Data;
};

TEmbeddedTexts ReadEmbedded(PcbHandle handle) {
  TPcbEmbedded embedded(handle);
  embedded.Update(kPcbMessageRead);
  return {embedded.GetName(), embedded.GetData()};
}

}  // namespace

bool AddEmbeddedObject(PcbHandle board, const std::string& name, std::string_view data) {
  const PcbHandle handle = CreatePcbObject(kPcbObjectEmbedded);
  if (!handle) return false;
  TPcbEmbedded embedded(handle);
  embedded.Update(kPcbMessageRead);
  embedded.SetName(name);
  embedded.SetData(data);
  embedded.Update(kPcbMessageWrite);
  if (AddPcbObjectToContainer(board, handle) == kPcbOk) return true;
  DestroyPcbObject(handle);
  return false;
}

bool IsTranslatorObject(PcbHandle embedded) {
  return SameTextIgnoringCase(GetShortParameter(ReadEmbedded(embedded).Name, "Server"),
                              kServerValue);
}

PcbHandle FindTranslatorObject(PcbHandle board, std::string_view type) {
  for (PcbHandle handle : EmbeddedObjectsOf(board)) {
    const std::string name = ReadEmbedded(handle).Name;
    if (SameTextIgnoringCase(GetShortParameter(name, "Server"), kServerValue) &&
        SameTextIgnoringCase(GetShortParameter(name, "Type"), type))
      return handle;
  }
  return 0;
}

void DeleteTranslatorData(PcbHandle board) {
  for (PcbHandle handle : EmbeddedObjectsOf(board)) {
    if (!IsTranslatorObject(handle)) continue;
    DeletePcbObjectFromContainer(board, handle);
    DestroyPcbObject(handle);
  }
}

bool StoreTranslatorRecord(PcbHandle board, std::string_view type,
                           const TParameterPairs& nameParameters,
                           const TParameterPairs& descriptionParameters) {
  std::string name;
  SetShortParameter(name, "Server", kServerValue);
  SetShortParameter(name, "Type", type);
  for (const auto& [key, value] : nameParameters) SetShortParameter(name, key, value);
  std::string description;
  for (const auto& [key, value] : descriptionParameters) SetParameterValue(description, key, value);
  return AddEmbeddedObject(board, name, description);
}

TEmbeddedStorageWrapper::TEmbeddedStorageWrapper(PcbHandle board, std::string key)
    : FBoard(board), FKey(CutText(key)) {}

std::string TEmbeddedStorageWrapper::ChunkPrefix() const {
  return "Server=" + std::string(kServerValue) + FKey;
}

std::string TEmbeddedStorageWrapper::GetValue(std::string_view name) const {
  std::string value;
  GetParameterValue(FData, name, value);
  return value;
}

void TEmbeddedStorageWrapper::SetValue(std::string_view name, std::string_view value) {
  SetParameterValue(FData, name, value);
}

bool TEmbeddedStorageWrapper::Load(std::string* missingChunkError) {
  const std::string prefix = ChunkPrefix();
  TStorageChunks chunks;
  for (PcbHandle handle : EmbeddedObjectsOf(FBoard)) {
    const TEmbeddedTexts embedded = ReadEmbedded(handle);
    int index = 0;
    if (ChunkIndexOf(embedded.Name, prefix, index)) chunks[index] = embedded.Data;
  }
  return JoinChunks(chunks, FData, missingChunkError);
}

void TEmbeddedStorageWrapper::Save() {
  std::size_t start = 0;
  int index = 0;
  do {
    std::string name = ChunkPrefix();
    SetShortParameter(name, "ChunkIdx", std::to_string(index));
    AddEmbeddedObject(FBoard, name, std::string_view(FData).substr(start, kChunkSize));
    start += kChunkSize;
    ++index;
  } while (start < FData.size());
}

bool ChunkIndexOf(std::string_view name, std::string_view prefix, int& index) {
  constexpr std::string_view kChunkTag = "|ChunkIdx=";
  if (name.size() <= prefix.size() + kChunkTag.size() || name.substr(0, prefix.size()) != prefix ||
      name.substr(prefix.size(), kChunkTag.size()) != kChunkTag)
    return false;
  const std::string_view digits = name.substr(prefix.size() + kChunkTag.size());
  if (digits.find_first_not_of("0123456789") != std::string_view::npos) return false;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), index);
  return error == std::errc() && end == digits.data() + digits.size();
}

bool JoinChunks(const TStorageChunks& chunks, std::string& data, std::string* missingChunkError) {
  data.clear();
  if (chunks.empty()) return false;
  int expected = 0;
  for (const auto& [index, piece] : chunks) {
    if (index != expected) {
      if (missingChunkError) *missingChunkError = "Missing Chunk: " + std::to_string(expected);
      data.clear();
      return false;
    }
    data += piece;
    ++expected;
  }
  return true;
}

std::string ViaTagStorageKey(int tag) { return "Type=ViaTag|ID=" + std::to_string(tag); }
