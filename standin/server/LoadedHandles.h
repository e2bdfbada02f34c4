// The handles a board document gives its objects, indexed for lookup. Handles are nearly
// always dense (the objects were made one after another), and then a table indexed by handle
// finds each object at once; sparse handles are sorted instead and found by binary search.
// Either takes a few bytes an object, where a hash map would make a heap node of each.
#pragma once

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "host/PcbApi.h"

namespace standin {

class TLoadedHandles {
public:
  // handles[i]: the handle of the document's i-th object.
  explicit TLoadedHandles(const std::vector<PcbHandle>& handles);

  // The place of the object with the handle (the first, when the handle repeats), or none.
  std::optional<std::size_t> Find(PcbHandle handle) const {
    if (FDense) {
      const uint32_t place = handle < FPlaceOf.size() ? FPlaceOf[handle] : 0;
      return place ? std::optional<std::size_t>(place - 1) : std::nullopt;
    }
    return FindSorted(handle);
  }
  // The first object, in document order, whose handle an earlier object has already; or none.
  std::optional<std::size_t> FirstRepeated() const { return FFirstRepeated; }

private:
  std::optional<std::size_t> FindSorted(PcbHandle handle) const;
  void SortHandles(const std::vector<PcbHandle>& handles);

  bool FDense = false;
  std::vector<uint32_t> FPlaceOf;                       // dense: by handle, its place + 1, or 0
  std::vector<std::pair<PcbHandle, uint32_t>> FSorted;  // sparse: handle, place; by handle
  std::optional<std::size_t> FFirstRepeated;
};

}  // namespace standin
