// The PCB server's objects by handle: a table of slots indexed by the handle itself, in pages
// made when a handle first falls in them, so finding an object is two array reads. The object
// found last is kept at hand: the host asks about one new object many times in a row (a new
// pad is read back layer by layer). Beside each page of slots, a page of the objects' kinds
// (a byte each) answers what kind a handle is without reading the object: a record that names
// a net is checked there, and the nets' bytes sit together. The table owns its objects.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "server/BoardObject.h"

namespace standin {

class TObjectTable {
public:
  TObjectTable() = default;
  TObjectTable(const TObjectTable&) = delete;
  TObjectTable& operator=(const TObjectTable&) = delete;
  ~TObjectTable();

  // Null for nil and for handles that hold no object.
  TBoardObject* Find(PcbHandle handle) const {
    if (handle == FLastHandle) return FLastObject;
    const std::size_t page = handle >> kPageBits;
    TBoardObject* found =
        page < FPages.size() && FPages[page] ? FPages[page]->Objects[handle & kSlotMask] : nullptr;
    if (found) {
      FLastHandle = handle;
      FLastObject = found;
    }
    return found;
  }
  // The kind of the handle's object; 0 for nil and handles that hold no object. Leaves the
  // object found last as it was.
  uint8_t KindOf(PcbHandle handle) const {
    const std::size_t page = handle >> kPageBits;
    return page < FPages.size() && FPages[page] ? FPages[page]->Kinds[handle & kSlotMask] : 0;
  }
  // Takes the object under its handle, which must be free.
  void Put(std::unique_ptr<TBoardObject> object);
  // Destroys the object of the handle, if any.
  void Destroy(PcbHandle handle);
  std::size_t Count() const { return FCount; }

private:
  static constexpr unsigned kPageBits = 12;
  static constexpr std::size_t kSlotMask = (std::size_t{1} << kPageBits) - 1;
  struct TPage {
    std::array<TBoardObject*, std::size_t{1} << kPageBits> Objects;
    std::array<uint8_t, std::size_t{1} << kPageBits> Kinds;
  };

  std::vector<std::unique_ptr<TPage>> FPages;
  std::size_t FCount = 0;
  // The object found last and its handle; nil (never a handle of an object) when none.
  mutable PcbHandle FLastHandle = 0;
  mutable TBoardObject* FLastObject = nullptr;
};

}  // namespace standin
