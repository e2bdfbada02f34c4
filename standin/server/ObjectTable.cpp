#include "server/ObjectTable.h"

namespace standin {

TObjectTable::~TObjectTable() {
  for (const std::unique_ptr<TPage>& page : FPages)
    if (page)
      for (TBoardObject* object : page->Objects) delete object;
}

void TObjectTable::Put(std::unique_ptr<TBoardObject> object) {
  const PcbHandle handle = object->Handle();
  const std::size_t page = handle >> kPageBits;
  if (page >= FPages.size()) FPages.resize(page + 1);
  if (!FPages[page]) FPages[page] = std::make_unique<TPage>();  // zero-filled in place
  TBoardObject*& slot = FPages[page]->Objects[handle & kSlotMask];
  if (slot)
    delete slot;
  else
    ++FCount;
  FPages[page]->Kinds[handle & kSlotMask] = object->Kind();
  slot = object.release();
  if (handle == FLastHandle) FLastObject = slot;
}

void TObjectTable::Destroy(PcbHandle handle) {
  const std::size_t page = handle >> kPageBits;
  if (page >= FPages.size() || !FPages[page]) return;
  TBoardObject*& slot = FPages[page]->Objects[handle & kSlotMask];
  if (!slot) return;
  if (handle == FLastHandle) {
    FLastHandle = 0;
    FLastObject = nullptr;
  }
  delete slot;
  slot = nullptr;
  FPages[page]->Kinds[handle & kSlotMask] = 0;
  --FCount;
}

}  // namespace standin
