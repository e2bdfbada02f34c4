// pcbhost out of memory: an import in a child whose address space is limited ends with one
// error line and exit 1, never an abort, and leaves no board document or temporary file behind.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DesignGenerator.h"
#include "support/Pcbhost.h"

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kAddressSanitizer = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kAddressSanitizer = true;
#else
constexpr bool kAddressSanitizer = false;
#endif
#else
constexpr bool kAddressSanitizer = false;
#endif

constexpr std::size_t kMiB = 1024 * 1024;

// The folder's files other than the design, its report and the report's lock files.
std::vector<std::string> LeftBehind(const TTempFolder& folder) {
  std::vector<std::string> left;
  for (const std::string& name : folder.FileNames())
    if (name != "big.dsn" && !name.starts_with("big.rpt")) left.push_back(name);
  return left;
}

// Limits from where memory runs out while the design is read to where it runs out while the
// board is built or saved, or not at all: every run either imports the design whole or fails
// cleanly, and at least one runs out.
TEST(OutOfMemory, AnImportThatRunsOutEndsWithOneLineAndLeavesNoDocument) {
  if (kAddressSanitizer)
    GTEST_SKIP() << "AddressSanitizer reserves far more address space than any limit here";
  TTempFolder folder;
  folder.Write("big.dsn", GenerateDesign(2 * kMiB));
  int ranOut = 0;
  for (const std::size_t limit :
       {24 * kMiB, 32 * kMiB, 40 * kMiB, 56 * kMiB, 72 * kMiB, 96 * kMiB, 128 * kMiB}) {
    TProgramRun run;
    run.AddressSpaceLimit = limit;
    const TProgramResult result = RunPcbhost(folder, {"import", "big.dsn", "--force"}, run);
    const std::string where = "limit " + std::to_string(limit / kMiB) + " MiB: " + result.Describe();
    ASSERT_EQ(result.Signal, 0) << where;
    ASSERT_FALSE(result.Killed) << where;
    if (result.ExitCode == 0) {
      EXPECT_EQ(result.Err, "") << where;
      EXPECT_EQ(LeftBehind(folder), std::vector<std::string>{"big.pcbdoc"}) << where;
      std::filesystem::remove(folder.Path("big.pcbdoc"));
      continue;
    }
    ++ranOut;
    EXPECT_EQ(result.ExitCode, 1) << where;
    EXPECT_EQ(result.ErrLines(), std::vector<std::string>{"pcbhost: out of memory"}) << where;
    EXPECT_EQ(result.Out, "") << where;
    EXPECT_EQ(LeftBehind(folder), std::vector<std::string>{}) << where;
  }
  EXPECT_GT(ranOut, 0) << "the smallest limit must be too small for the import";
}

}  // namespace
