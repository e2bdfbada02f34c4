#include "server/Board.h"

#include "server/BoardInterface.h"

namespace standin {

TBoard::TBoard(PcbHandle handle, std::string fileName)
    : FHandle(handle),
      FFileName(std::move(fileName)),
      FSettings(NewBoardSettings()),
      FInterface(std::make_unique<TBoardInterface>(*this)) {}

TBoard::~TBoard() = default;

host::IPCB_Board& TBoard::Interface() { return *FInterface; }

}  // namespace standin
