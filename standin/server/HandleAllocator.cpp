#include "server/HandleAllocator.h"

#include <atomic>
#include <stdexcept>

namespace standin {

PcbHandle NewPcbHandle() {
  static std::atomic<PcbHandle> next{1};
  PcbHandle handle = next.load();
  // After 2^32 - 1 handles the numbering stays exhausted rather than wrap and reuse handles.
  do {
    if (handle == 0) throw std::runtime_error("PCB handles exhausted");
  } while (!next.compare_exchange_weak(handle, handle + 1));
  return handle;
}

}  // namespace standin
