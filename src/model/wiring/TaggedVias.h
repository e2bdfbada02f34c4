// Vias that carry a via number: collected while a wiring section is read (Specctra positions)
// or loaded back from the board for an export (host positions), and found again by position.
#pragma once

#include <cstdint>
#include <optional>
#include <unordered_map>
#include <utility>
#include <vector>

class TSpecctraViaInstance;

struct TViaTagInfo {
  // The parsed via; nil for a tag loaded from the board.
  TSpecctraViaInstance* Via = nullptr;
  uint8_t Number = 0;
  double X = 0;
  double Y = 0;
};

class TTaggedVias {
public:
  void Add(TSpecctraViaInstance* via, uint8_t number, double x, double y);
  void Clear();
  int32_t Count() const { return static_cast<int32_t>(FTags.size()); }
  const TViaTagInfo& Item(int32_t index) const { return FTags.at(index); }
  // The index of the first tag at exactly (x, y), or nothing. Every via of an export asks,
  // so positions are looked up in an index built on the first question.
  std::optional<int32_t> Find(double x, double y) const;

private:
  struct TPositionHash {
    std::size_t operator()(const std::pair<double, double>& p) const;
  };

  std::vector<TViaTagInfo> FTags;
  mutable std::unordered_map<std::pair<double, double>, int32_t, TPositionHash> FIndex;
  mutable bool FIndexValid = false;
};
