// The objects of a board by net and kind. Net handles are looked up in a table of pages indexed
// by the handle itself (nets are few and their handles close together), each net holding a
// set per kind it carries: a few kinds a net, searched in turn. No hashing per object filed.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "host/PcbApi.h"
#include "server/HandleSet.h"

namespace standin {

class TNetIndex {
public:
  TNetIndex() = default;
  TNetIndex(const TNetIndex&) = delete;
  TNetIndex& operator=(const TNetIndex&) = delete;

  void Insert(PcbHandle net, uint8_t kind, PcbHandle handle);
  void Erase(PcbHandle net, uint8_t kind, PcbHandle handle);
  // Null when the net never carried an object of the kind.
  const THandleSet* Find(PcbHandle net, uint8_t kind) const;

private:
  struct TKindSet {
    uint8_t Kind = 0;
    THandleSet Handles;
  };
  using TNetSets = std::vector<TKindSet>;
  static constexpr unsigned kPageBits = 10;
  static constexpr std::size_t kSlotMask = (std::size_t{1} << kPageBits) - 1;
  using TPage = std::array<TNetSets, std::size_t{1} << kPageBits>;

  const TNetSets* SetsOf(PcbHandle net) const;
  THandleSet& SetToFill(PcbHandle net, uint8_t kind);

  std::vector<std::unique_ptr<TPage>> FPages;
  // The set filled last: the primitives of a wire come one after another.
  PcbHandle FLastNet = 0;
  uint8_t FLastKind = 0;
  THandleSet* FLastSet = nullptr;
};

}  // namespace standin
