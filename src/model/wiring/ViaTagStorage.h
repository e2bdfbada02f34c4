// The via tags kept in the board between a design import and its exports: one chunked
// storage per via number 1 .. 126, holding the count and the host position of each via
// ("C", "X0", "Y0", "X1", ...; positions as hexadecimal 32-bit values).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "host/PcbApi.h"
#include "model/wiring/TaggedVias.h"

// The highest via number whose tags are stored, and the highest one an export looks for.
inline constexpr int kHighestStoredViaTag = 126;
inline constexpr int kHighestLoadedViaTag = 127;

struct TStoredViaTag {
  uint8_t Number = 0;
  int32_t X = 0;
  int32_t Y = 0;
};

// Stores the tags of each number 1 .. 126 (in the given order); numbers above are dropped.
// The board's earlier chunks of a number stored now are removed first, so that they cannot
// mix with the new ones; chunks of other numbers stay.
void StoreViaTagChunks(PcbHandle board, const std::vector<TStoredViaTag>& tags);

// Every stored tag of the numbers 1 .. 127 (host positions, no via), found in one walk over
// the board's embedded objects. A number whose chunks have a gap gives no tags and one
// "Missing Chunk: " error in errors.
TTaggedVias LoadStoredViaTags(PcbHandle board, std::vector<std::string>& errors);

// The data text of one number's storage.
std::string ViaTagDataText(const std::vector<TStoredViaTag>& tags);
// Adds the tags a data text holds to tags, with the given number.
void AddViaTagsFromText(const std::string& data, uint8_t number, TTaggedVias& tags);
