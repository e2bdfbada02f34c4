// What `pcbhost info` tells about a board: object counts by kind, the layer stack, nets,
// components and rules; as lines for people or as JSON for tools.
#pragma once

#include <cstddef>
#include <map>
#include <nlohmann/json.hpp>
#include <string>

#include "app/board_view/BoardView.h"

namespace pcbhost {

using TSummaryJson = nlohmann::ordered_json;

// The counts that every verb's summary shows: "2 components, 8 pads, 1 net, ...", from the
// number of objects of each kind name.
std::string BoardCountsLine(const std::map<std::string, std::size_t>& kindCounts);

// Lines for a terminal. Long lists of nets and components show their first entries only.
std::string BoardSummaryText(const TBoardView& view, const std::string& path);

// The whole summary with stable keys: "file", "fileName", "objects", "counts" (every summary
// kind, then any other kind met), "layerStack", "nets", "components", "rules". Texts are stored
// as board documents store them (each byte the character of the same number); positions are
// in mil, board coordinates.
TSummaryJson BoardSummaryJson(const TBoardView& view, const std::string& path);

}  // namespace pcbhost
