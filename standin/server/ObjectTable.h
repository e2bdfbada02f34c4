// The PCB server's objects by handle: a table of slots indexed by the handle itself, in pages
// made when a handle first falls in them, so finding an object is two array reads. The table
// owns its objects.
#pragma once

#include <array>
#include <cstddef>
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
    const std::size_t page = handle >> kPageBits;
    return page < FPages.size() && FPages[page] ? (*FPages[page])[handle & kSlotMask] : nullptr;
  }
  // Takes the object under its handle, which must be free.
  void Put(std::unique_ptr<TBoardObject> object);
  // Destroys the object of the handle, if any.
  void Destroy(PcbHandle handle);
  std::size_t Count() const { return FCount; }

private:
  static constexpr unsigned kPageBits = 12;
  static constexpr std::size_t kSlotMask = (std::size_t{1} << kPageBits) - 1;
  using TPage = std::array<TBoardObject*, std::size_t{1} << kPageBits>;

  std::vector<std::unique_ptr<TPage>> FPages;
  std::size_t FCount = 0;
};

}  // namespace standin
