#include "app/HeapTuning.h"

#include <unistd.h>

#include <cstdlib>
#include <string>
#include <string_view>

namespace pcbhost {
namespace {

constexpr std::string_view kVariable = "GLIBC_TUNABLES";
// Huge pages for the heap, and no trimming of its top, so that memory freed there is reused
// rather than returned and faulted in again. Big blocks keep their own mappings: kept in the
// heap, they would raise the peak of the exports and of render.
constexpr std::string_view kSettings =
    "glibc.malloc.hugetlb=1:glibc.malloc.trim_threshold=4294967295";

// The sanitizers bring their own allocator, which ignores the settings.
constexpr bool kOwnAllocator =
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
    true;
#else
    false;
#endif

}  // namespace

void RunWithTunedHeap(char** argv) {
  if (kOwnAllocator) return;
  const char* current = std::getenv(kVariable.data());
  const std::string before = current ? current : "";
  if (before.find("glibc.malloc.") != std::string::npos) return;
  std::string settings(kSettings);
  if (!before.empty()) settings.append(":").append(before);
  if (::setenv(kVariable.data(), settings.c_str(), 1) != 0) return;
  ::execv("/proc/self/exe", argv);
  // Not run again: the process goes on as it was started.
  if (current)
    ::setenv(kVariable.data(), before.c_str(), 1);
  else
    ::unsetenv(kVariable.data());
}

}  // namespace pcbhost
