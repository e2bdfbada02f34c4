// The names of the board's layers as the host gives them, read once per layer number and kept
// for the rest of an export: every wire names its layer.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "host/PcbApi.h"

class THostLayerNames {
public:
  explicit THostLayerNames(PcbHandle board) : FBoard(board) {}

  // The host's name of the layer; a number beyond 82 raises std::out_of_range.
  const std::string& Name(PcbLayerNumber layer) const;

private:
  PcbHandle FBoard;
  mutable std::array<std::optional<std::string>, kLayerCount> FNames;
};
