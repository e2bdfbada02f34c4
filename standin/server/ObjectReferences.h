// What the fields of a board's objects name elsewhere in the model, gathered once before the
// board is saved: which nets are on the board, and each component's designator text. Read
// only once made, so that rows of the document can be formatted on several threads without
// asking the model (whose lookups keep the object found last).
#pragma once

#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

#include "server/BoardObject.h"

namespace standin {

class TBoard;
class TPcbModel;

class TObjectReferences {
public:
  // nets and components: the board's objects of those kinds, in handle order.
  TObjectReferences(const TPcbModel& model, const TBoard& board,
                    const std::vector<const TBoardObject*>& nets,
                    const std::vector<const TBoardObject*>& components);

  // Whether the handle is a net of the board itself (not one of a component's).
  bool IsNetOnBoard(PcbHandle net) const;
  // The text of the component's designator; empty when it has none.
  std::string_view DesignatorOf(const TBoardObject& component) const;

private:
  // One bit per handle from FLowestNet on.
  PcbHandle FLowestNet = 0;
  std::vector<uint64_t> FNets;
  std::vector<std::pair<PcbHandle, std::string_view>> FDesignators;  // by component handle
};

}  // namespace standin
