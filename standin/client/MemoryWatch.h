// Notices when the process runs out of memory. While a watch is installed, the first failed
// allocation gives back a reserve set aside for it, so that the code on the way out (unwinding,
// the report, the error line) still finds memory; the failure is remembered either way, even
// when the code that met it recovered, and the allocation then fails as it would without the
// watch (std::bad_alloc).
#pragma once

#include <memory>
#include <new>

namespace standin {

class TMemoryWatch {
public:
  // Installs the watch for the whole process; one watch at a time.
  TMemoryWatch();
  TMemoryWatch(const TMemoryWatch&) = delete;
  TMemoryWatch& operator=(const TMemoryWatch&) = delete;
  // Puts back the handler that was installed before.
  ~TMemoryWatch();

  // Whether an allocation failed since the watch was installed.
  static bool MemoryRanOut();

private:
  std::new_handler FPrevious;
};

}  // namespace standin
