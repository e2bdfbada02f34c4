#include "server/ObjectPool.h"

#include <algorithm>
#include <array>
#include <mutex>
#include <new>
#include <vector>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/asan_interface.h>
#define STANDIN_POISON(address, size) ASAN_POISON_MEMORY_REGION(address, size)
#define STANDIN_UNPOISON(address, size) ASAN_UNPOISON_MEMORY_REGION(address, size)
#else
#define STANDIN_POISON(address, size) ((void)(address), (void)(size))
#define STANDIN_UNPOISON(address, size) ((void)(address), (void)(size))
#endif

namespace standin {
namespace {

constexpr std::size_t kGrain = 8;  // the alignment every object kind needs
constexpr std::size_t kLargestSlot = 4096;
constexpr std::size_t kBlockBytes = std::size_t{1} << 16;

std::size_t SlotSize(std::size_t size) { return (size + kGrain - 1) / kGrain * kGrain; }

// The slots of one size: the free ones (kept apart from the slots, so that a free slot is
// untouched memory) and the unused rest of the newest block.
struct TSlotClass {
  std::vector<void*> Free;
  char* Next = nullptr;
  char* End = nullptr;
};

class TObjectPool {
public:
  void* Allocate(std::size_t size) {
    const std::size_t slot = SlotSize(size);
    std::lock_guard<std::mutex> lock(FMutex);
    TSlotClass& slots = FClasses[slot / kGrain];
    void* memory = nullptr;
    if (!slots.Free.empty()) {
      memory = slots.Free.back();
      slots.Free.pop_back();
    } else {
      if (slots.Next == slots.End) NewBlock(slots, slot);
      memory = slots.Next;
      slots.Next += slot;
    }
    STANDIN_UNPOISON(memory, slot);
    return memory;
  }

  void Release(void* memory, std::size_t size) noexcept {
    const std::size_t slot = SlotSize(size);
    std::lock_guard<std::mutex> lock(FMutex);
    STANDIN_POISON(memory, slot);
    try {
      FClasses[slot / kGrain].Free.push_back(memory);
    } catch (const std::bad_alloc&) {
      // The slot is lost to reuse, not to the process: its block stays.
    }
  }

private:
  void NewBlock(TSlotClass& slots, std::size_t slot) {
    const std::size_t count = std::max<std::size_t>(kBlockBytes / slot, 8);
    FBlocks.reserve(FBlocks.size() + 1);
    char* block = static_cast<char*>(::operator new(count * slot));
    FBlocks.push_back(block);
    STANDIN_POISON(block, count * slot);
    slots.Next = block;
    slots.End = block + count * slot;
  }

  std::mutex FMutex;
  std::vector<char*> FBlocks;
  std::array<TSlotClass, kLargestSlot / kGrain + 1> FClasses;
};

// Made once and never destroyed: objects may outlive every static of the process.
TObjectPool& Pool() {
  static TObjectPool* pool = new TObjectPool;
  return *pool;
}

}  // namespace

void* AllocateObjectMemory(std::size_t size) {
  if (size > kLargestSlot) return ::operator new(size);
  return Pool().Allocate(size);
}

void ReleaseObjectMemory(void* memory, std::size_t size) noexcept {
  if (!memory) return;
  if (size > kLargestSlot) {
    ::operator delete(memory, size);
    return;
  }
  Pool().Release(memory, size);
}

}  // namespace standin
