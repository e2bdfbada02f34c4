// The boards of the PCB server by handle, one per open PCB document. A board's handle is never
// given to another board, also after the board is removed.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "server/Board.h"

namespace standin {

class TBoardRegistry {
public:
  // A new empty board for the document of the path.
  TBoard& Create(std::string fileName);
  void Remove(PcbHandle handle);

  // The board of the handle, or null for nil, unknown or removed handles.
  TBoard* Find(PcbHandle handle) const;
  // The board whose document has the path, or null.
  TBoard* FindByFileName(std::string_view fileName) const;

private:
  std::map<PcbHandle, std::unique_ptr<TBoard>> FBoards;
};

}  // namespace standin
