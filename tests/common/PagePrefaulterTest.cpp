#include <gtest/gtest.h>
#include <sys/mman.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <thread>
#include <vector>

#include "common/PagePrefaulter.h"

namespace {

// Fresh anonymous memory, unmapped again at the end of the scope.
class TMapping {
public:
  explicit TMapping(std::size_t bytes) : FBytes(bytes) {
    void* memory =
        ::mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    FStart = memory == MAP_FAILED ? nullptr : static_cast<char*>(memory);
  }
  ~TMapping() {
    if (FStart) ::munmap(FStart, FBytes);
  }
  char* Start() const { return FStart; }
  std::size_t Bytes() const { return FBytes; }
  // How many of its pages are present.
  std::size_t ResidentPages() const {
    const std::size_t page = static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
    std::vector<unsigned char> present((FBytes + page - 1) / page);
    if (::mincore(FStart, FBytes, present.data()) != 0) return 0;
    std::size_t count = 0;
    for (const unsigned char flags : present) count += flags & 1;
    return count;
  }
  std::size_t Pages() const { return FBytes / static_cast<std::size_t>(::sysconf(_SC_PAGESIZE)); }

private:
  char* FStart = nullptr;
  std::size_t FBytes;
};

}  // namespace

// Populating makes every page present and changes no byte already written.
TEST(PagePrefaulter, PopulatingMakesPagesPresentAndKeepsTheirBytes) {
  TMapping mapping(std::size_t{1} << 20);
  ASSERT_NE(mapping.Start(), nullptr);
  std::memcpy(mapping.Start() + 100, "kept", 4);
  if (!PopulatePages(mapping.Start(), mapping.Bytes()))
    GTEST_SKIP() << "the kernel cannot populate pages";
  EXPECT_EQ(mapping.ResidentPages(), mapping.Pages());
  EXPECT_EQ(std::memcmp(mapping.Start() + 100, "kept", 4), 0);
  EXPECT_EQ(mapping.Start()[mapping.Bytes() - 1], 0) << "new pages read as zero";
  EXPECT_TRUE(PopulatePages(mapping.Start(), 0)) << "an empty range is nothing to do";
}

TEST(PagePrefaulter, QueuedRangesArePopulatedOnItsThread) {
  TMapping first(std::size_t{1} << 20), second(std::size_t{1} << 20);
  ASSERT_NE(first.Start(), nullptr);
  ASSERT_NE(second.Start(), nullptr);
  if (!PopulatePages(first.Start(), 4096)) GTEST_SKIP() << "the kernel cannot populate pages";
  TPagePrefaulter prefaulter;
  prefaulter.Populate(first.Start(), first.Bytes());
  prefaulter.Populate(second.Start(), second.Bytes());
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while ((first.ResidentPages() < first.Pages() || second.ResidentPages() < second.Pages()) &&
         std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  EXPECT_EQ(first.ResidentPages(), first.Pages());
  EXPECT_EQ(second.ResidentPages(), second.Pages());
}

// Stopping with ranges still queued drops them: populating only ever saves time.
TEST(PagePrefaulter, StopsWithRangesStillQueued) {
  TMapping mapping(std::size_t{1} << 20);
  ASSERT_NE(mapping.Start(), nullptr);
  {
    TPagePrefaulter prefaulter;
    for (int i = 0; i < 100; ++i) prefaulter.Populate(mapping.Start(), mapping.Bytes());
  }
  SUCCEED();
}
