#include "server/BoardRegistry.h"

#include "common/PathIdentity.h"
#include "server/HandleAllocator.h"

namespace standin {

TBoard& TBoardRegistry::Create(std::string fileName) {
  const PcbHandle handle = NewPcbHandle();
  auto board = std::make_unique<TBoard>(handle, std::move(fileName));
  TBoard& created = *board;
  FBoards.emplace(handle, std::move(board));
  return created;
}

void TBoardRegistry::Remove(PcbHandle handle) { FBoards.erase(handle); }

TBoard* TBoardRegistry::Find(PcbHandle handle) const {
  const auto found = FBoards.find(handle);
  return found == FBoards.end() ? nullptr : found->second.get();
}

TBoard* TBoardRegistry::FindByFileName(std::string_view fileName) const {
  for (const auto& [handle, board] : FBoards)
    if (SamePath(board->FileName(), fileName)) return board.get();
  return nullptr;
}

}  // namespace standin
