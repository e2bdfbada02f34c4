// The translator's data kept inside the host board as embedded objects: records of design
// constants, the board offset, padstacks, and long texts spread over numbered chunks.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "host/PcbApi.h"

// The Server value of every translator data object.
inline constexpr std::string_view kTranslatorServer = "Navro";

using TParameterPairs = std::vector<std::pair<std::string, std::string>>;

// Whether the embedded object's name has the parameter Server = Navro (any letter case).
bool IsTranslatorObject(PcbHandle embedded);
// The first embedded object of the board whose name has Server = Navro and Type = type
// (letter case ignored), or nil.
PcbHandle FindTranslatorObject(PcbHandle board, std::string_view type);
// Removes from the board and destroys every translator data object.
void DeleteTranslatorData(PcbHandle board);
// Adds a new embedded object with the name and text to the board; destroys it and answers
// false when the board refuses it.
bool AddEmbeddedObject(PcbHandle board, const std::string& name, std::string_view data);
// Stores a record: a new embedded object whose name is Server=Navro|Type=type followed by
// the name parameters, and whose description holds the description parameters in order.
// Answers whether it was added to the board.
bool StoreTranslatorRecord(PcbHandle board, std::string_view type,
                           const TParameterPairs& nameParameters,
                           const TParameterPairs& descriptionParameters);

// One long parameter text kept in the board as chunks of at most 4095 characters, each an
// embedded object named by the storage's key and its chunk index.
class TEmbeddedStorageWrapper {
public:
  TEmbeddedStorageWrapper(PcbHandle board, std::string key);

  const std::string& Data() const { return FData; }
  // Replaces the whole data text (a text built in one go instead of value by value).
  void SetData(std::string data) { FData = std::move(data); }
  std::string GetValue(std::string_view name) const;
  void SetValue(std::string_view name, std::string_view value);

  // Fills the data from the board's chunks; false when there is none or one is missing (the
  // error goes to the report when given).
  bool Load(std::string* missingChunkError = nullptr);
  // Writes the data to the board as new chunks.
  void Save();

  // The chunk name prefix: "Server=Navro" followed directly by the key.
  std::string ChunkPrefix() const;

private:
  std::string FData;
  PcbHandle FBoard;
  std::string FKey;
};

// The key of the via-tag storage of a tag: "Type=ViaTag|ID=" + tag.
std::string ViaTagStorageKey(int tag);

// Chunk index -> text of one storage's chunks, as found on the board.
using TStorageChunks = std::map<int, std::string>;
// Whether the name is prefix + "|ChunkIdx=" + a decimal k >= 0 and nothing else; k in index.
bool ChunkIndexOf(std::string_view name, std::string_view prefix, int& index);
// The chunks' texts joined in index order; false without chunks or with a gap (the error
// names the first missing index).
bool JoinChunks(const TStorageChunks& chunks, std::string& data,
                std::string* missingChunkError = nullptr);
