#include "client/MemoryWatch.h"

#include <atomic>
#include <cstdlib>

namespace standin {
namespace {

// Enough for the way out: unwinding frees the large structures, this covers the small
// allocations made before they are gone.
constexpr std::size_t kReserveBytes = 4 * 1024 * 1024;

std::atomic<bool> gRanOut{false};
std::atomic<void*> gReserve{nullptr};

// Called by operator new when an allocation fails: gives the reserve back and lets the
// allocation try again once; then fails it.
void OnAllocationFailure() {
  gRanOut = true;
  if (void* reserve = gReserve.exchange(nullptr)) {
    std::free(reserve);
    return;
  }
  throw std::bad_alloc();
}

}  // namespace

TMemoryWatch::TMemoryWatch() {
  gRanOut = false;
  std::free(gReserve.exchange(std::malloc(kReserveBytes)));
  FPrevious = std::set_new_handler(OnAllocationFailure);
}

TMemoryWatch::~TMemoryWatch() {
  std::set_new_handler(FPrevious);
  std::free(gReserve.exchange(nullptr));
}

bool TMemoryWatch::MemoryRanOut() { return gRanOut; }

}  // namespace standin
