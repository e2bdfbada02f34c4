#include "server/ObjectPool.h"

#include <sys/mman.h>

#include <array>
#include <cstdint>
#include <mutex>
#include <new>
#include <vector>

#include "common/PagePrefaulter.h"

#if defined(__SANITIZE_ADDRESS__)
#define STANDIN_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define STANDIN_ASAN 1
#endif
#endif

#if defined(STANDIN_ASAN)
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

// Memory in regions of 2 MiB on 2 MiB boundaries that the kernel may back with huge pages:
// a board of a million objects then faults in a few hundred pages instead of a hundred
// thousand. Blocks of every slot size are cut from the same region.
class TRegions {
public:
  char* Take(std::size_t bytes) {
    if (static_cast<std::size_t>(FEnd - FNext) < bytes) NewRegion();
    char* taken = FNext;
    FNext += bytes;
    return taken;
  }

private:
  static constexpr std::size_t kRegionBytes = std::size_t{2} << 20;

#if defined(STANDIN_ASAN)
  // From the heap, where the leak checker looks for the pointers that objects hold.
  void NewRegion() {
    FAll.reserve(FAll.size() + 1);
    FNext = static_cast<char*>(::operator new(kRegionBytes, std::align_val_t{kRegionBytes}));
    FEnd = FNext + kRegionBytes;
    FAll.push_back(FNext);
  }
#else
  // The next region is mapped a region ahead and populated in the background meanwhile: the
  // objects that fill it find its pages ready.
  void NewRegion() {
    FAll.reserve(FAll.size() + 1);
    if (!FAhead) FAhead = MapRegion();
    FNext = FAhead;
    FEnd = FNext + kRegionBytes;
    FAll.push_back(FNext);
    FAhead = nullptr;
    try {
      FAhead = MapRegion();
    } catch (const std::bad_alloc&) {
      return;  // the region taken serves; the next is mapped when it is needed
    }
    PopulateLater(FAhead);
  }

  static char* MapRegion() {
    // Twice the size mapped, the aligned region kept and the rest given back.
    const std::size_t mapped = 2 * kRegionBytes;
    void* memory = ::mmap(nullptr, mapped, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS,
                          -1, 0);
    if (memory == MAP_FAILED) throw std::bad_alloc();
    char* start = static_cast<char*>(memory);
    const auto address = reinterpret_cast<std::uintptr_t>(start);
    char* aligned = start + (kRegionBytes - address % kRegionBytes) % kRegionBytes;
    if (aligned > start) ::munmap(start, static_cast<std::size_t>(aligned - start));
    char* end = aligned + kRegionBytes;
    if (end < start + mapped) ::munmap(end, static_cast<std::size_t>(start + mapped - end));
    ::madvise(aligned, kRegionBytes, MADV_HUGEPAGE);
    return aligned;
  }

  // Populating only saves time: when its thread cannot be had (memory ran short), the pages
  // fault in on first use. The prefaulter is made once and never destroyed, like the pool.
  static void PopulateLater(char* region) noexcept {
    try {
      static TPagePrefaulter* prefaulter = new TPagePrefaulter;
      prefaulter->Populate(region, kRegionBytes);
    } catch (...) {
      // Nothing lost.
    }
  }

  char* FAhead = nullptr;
#endif

  char* FNext = nullptr;
  char* FEnd = nullptr;
  std::vector<char*> FAll;  // every region, kept for the life of the process
};

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
    const std::size_t count = kBlockBytes / slot;
    char* block = FRegions.Take(kBlockBytes);
    STANDIN_POISON(block, count * slot);
    slots.Next = block;
    slots.End = block + count * slot;
  }

  std::mutex FMutex;
  TRegions FRegions;
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
    ::operator delete(memory);
    return;
  }
  Pool().Release(memory, size);
}

}  // namespace standin
