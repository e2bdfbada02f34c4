#include "common/PagePrefaulter.h"

#include <sys/mman.h>

bool PopulatePages(void* start, std::size_t bytes) noexcept {
#ifdef MADV_POPULATE_WRITE
  return bytes == 0 || ::madvise(start, bytes, MADV_POPULATE_WRITE) == 0;
#else
  (void)start;
  (void)bytes;
  return false;
#endif
}

TPagePrefaulter::TPagePrefaulter() : FThread([this] { Run(); }) {}

TPagePrefaulter::~TPagePrefaulter() {
  {
    std::lock_guard<std::mutex> lock(FMutex);
    FStopping = true;
  }
  FWake.notify_one();
  FThread.join();
}

void TPagePrefaulter::Populate(void* start, std::size_t bytes) {
  {
    std::lock_guard<std::mutex> lock(FMutex);
    FRanges.emplace_back(start, bytes);
  }
  FWake.notify_one();
}

void TPagePrefaulter::Run() {
  std::unique_lock<std::mutex> lock(FMutex);
  for (;;) {
    FWake.wait(lock, [this] { return FStopping || !FRanges.empty(); });
    if (FStopping) return;
    const auto [start, bytes] = FRanges.front();
    FRanges.pop_front();
    lock.unlock();
    PopulatePages(start, bytes);
    lock.lock();
  }
}
