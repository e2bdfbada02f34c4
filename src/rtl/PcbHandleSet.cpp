#include "rtl/PcbHandleSet.h"

namespace {

constexpr std::size_t kFirstCapacity = 64;

// Handles are often consecutive numbers: the multiplication spreads them over the table.
std::size_t Spread(PcbHandle handle) { return static_cast<std::size_t>(handle) * 0x9E3779B1u; }

}  // namespace

std::size_t TPcbHandleSet::SlotOf(PcbHandle handle) const {
  const std::size_t mask = FSlots.size() - 1;
  std::size_t slot = Spread(handle) & mask;
  while (FSlots[slot] != 0 && FSlots[slot] != handle) slot = (slot + 1) & mask;
  return slot;
}

bool TPcbHandleSet::Contains(PcbHandle handle) const {
  return handle != 0 && !FSlots.empty() && FSlots[SlotOf(handle)] == handle;
}

bool TPcbHandleSet::Insert(PcbHandle handle) {
  if (handle == 0) return false;
  // At most half the slots are used, so that probe runs stay short.
  if (2 * (FSize + 1) > FSlots.size()) Grow();
  PcbHandle& slot = FSlots[SlotOf(handle)];
  if (slot == handle) return false;
  slot = handle;
  ++FSize;
  return true;
}

void TPcbHandleSet::Grow() {
  std::vector<PcbHandle> old = std::move(FSlots);
  FSlots.assign(old.empty() ? kFirstCapacity : 2 * old.size(), 0);
  for (const PcbHandle handle : old)
    if (handle != 0) FSlots[SlotOf(handle)] = handle;
}

void TPcbHandleSet::Clear() {
  FSlots.clear();
  FSize = 0;
}
