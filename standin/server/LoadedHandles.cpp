#include "server/LoadedHandles.h"

#include <algorithm>
#include <limits>
#include <stdexcept>

namespace standin {

TLoadedHandles::TLoadedHandles(const std::vector<PcbHandle>& handles) {
  if (handles.size() >= std::numeric_limits<uint32_t>::max())
    throw std::length_error("A board document holds more than 4 billion objects.");
  const PcbHandle highest = handles.empty() ? 0 : *std::max_element(handles.begin(), handles.end());
  // Dense when the table takes no more than twice the room of the objects themselves.
  FDense = highest / 2 <= handles.size() + 1024;
  if (!FDense) {
    SortHandles(handles);
    return;
  }
  FPlaceOf.assign(std::size_t{highest} + 1, 0);
  for (std::size_t place = 0; place < handles.size(); ++place) {
    uint32_t& slot = FPlaceOf[handles[place]];
    if (slot == 0)
      slot = static_cast<uint32_t>(place + 1);
    else if (!FFirstRepeated)
      FFirstRepeated = place;
  }
}

void TLoadedHandles::SortHandles(const std::vector<PcbHandle>& handles) {
  FSorted.reserve(handles.size());
  for (std::size_t i = 0; i < handles.size(); ++i)
    FSorted.emplace_back(handles[i], static_cast<uint32_t>(i));
  // Pairs compare by handle, then by place: objects of one handle stay in document order.
  if (!std::is_sorted(FSorted.begin(), FSorted.end())) std::sort(FSorted.begin(), FSorted.end());
  for (std::size_t i = 1; i < FSorted.size(); ++i) {
    // Only the second of a run of equal handles can be the first repeat of its handle.
    if (FSorted[i].first != FSorted[i - 1].first) continue;
    if (i >= 2 && FSorted[i - 2].first == FSorted[i].first) continue;
    if (!FFirstRepeated || FSorted[i].second < *FFirstRepeated) FFirstRepeated = FSorted[i].second;
  }
}

std::optional<std::size_t> TLoadedHandles::FindSorted(PcbHandle handle) const {
  const auto found = std::lower_bound(FSorted.begin(), FSorted.end(),
                                      std::pair<PcbHandle, uint32_t>(handle, 0));
  if (found == FSorted.end() || found->first != handle) return std::nullopt;
  return found->second;
}

}  // namespace standin
