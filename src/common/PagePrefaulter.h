// Faults memory in ahead of its first use, on a thread of its own. Where first touching new
// memory is slow (the kernel zeroes each page, a huge page at a time), the thread that would
// have touched it finds the pages ready, and the zeroing runs on another core. Populating
// changes no byte: a range may be in use by other threads while it is populated.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <mutex>
#include <thread>
#include <utility>

// Makes the pages of [start, start + bytes) present and writable. False when the kernel
// cannot (too old, or the range is not mapped): the pages then fault in on first use as usual.
bool PopulatePages(void* start, std::size_t bytes) noexcept;

class TPagePrefaulter {
public:
  TPagePrefaulter();
  ~TPagePrefaulter();
  TPagePrefaulter(const TPagePrefaulter&) = delete;
  TPagePrefaulter& operator=(const TPagePrefaulter&) = delete;

  // Queues a range to populate and returns at once.
  void Populate(void* start, std::size_t bytes);

private:
  void Run();

  std::mutex FMutex;
  std::condition_variable FWake;
  std::deque<std::pair<void*, std::size_t>> FRanges;
  bool FStopping = false;
  std::thread FThread;
};
