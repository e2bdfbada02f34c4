#include "client/ClientFileHelpers.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/TempFolder.h"

namespace {

using standin::ExistSpecific;
using standin::ExtractFileNameFromPath;
using standin::ExtractWholeFileNameFromPath;
using standin::ForceFileNameExtension;

TEST(ClientFileHelpers, ForceFileNameExtensionReplacesOrAddsTheExtension) {
  struct TCase {
    const char* Path;
    const char* Extension;
    const char* Expected;
  };
  const TCase cases[] = {
      {"/boards/demo.dsn", "rte", "/boards/demo.rte"},
      {"/boards/Main Board.PcbDoc", "rte", "/boards/Main Board.rte"},
      {"/boards/demo", "prs", "/boards/demo.prs"},
      {"/boards/v1.2/demo", "ses", "/boards/v1.2/demo.ses"},
      {"/boards/demo.tar.dsn", "rpt", "/boards/demo.tar.rpt"},
      {"/boards/.hidden", "rpt", "/boards/.hidden.rpt"},
      {"demo.dsn", "", "demo"},
      {"demo.dsn", ".rte", "demo.rte"},
      {"", "rte", ""},
      {nullptr, "rte", ""},
      {"demo.dsn", nullptr, "demo"},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(std::string(c.Path ? c.Path : "(null)") + " + " +
                 (c.Extension ? c.Extension : "(null)"));
    char buffer[256] = "garbage";
    const uint32_t length = ForceFileNameExtension(c.Path, c.Extension, buffer, sizeof(buffer));
    EXPECT_STREQ(buffer, c.Expected);
    EXPECT_EQ(length, std::string(c.Expected).size());
  }
}

TEST(ClientFileHelpers, ExtractFileNameKeepsTheExtensionAndDropsTheFolder) {
  const std::pair<const char*, const char*> cases[] = {
      {"/boards/demo.dsn", "demo.dsn"},
      {"demo.dsn", "demo.dsn"},
      {"/boards/", ""},
      {"/a b/c d.PcbDoc", "c d.PcbDoc"},
  };
  for (const auto& [path, name] : cases) {
    SCOPED_TRACE(path);
    char buffer[64] = {};
    EXPECT_EQ(ExtractFileNameFromPath(path, buffer, sizeof(buffer)), std::string(name).size());
    EXPECT_STREQ(buffer, name);
    EXPECT_EQ(ExtractWholeFileNameFromPath(path, buffer, sizeof(buffer)), std::string(path).size());
    EXPECT_STREQ(buffer, path);
  }
}

TEST(ClientFileHelpers, ResultsAreCutToTheBufferAndAlwaysTerminated) {
  char buffer[5] = {'x', 'x', 'x', 'x', 'x'};
  EXPECT_EQ(ExtractWholeFileNameFromPath("/long/path", buffer, sizeof(buffer)), 4u);
  EXPECT_STREQ(buffer, "/lon");
  EXPECT_EQ(ForceFileNameExtension("abc", "rte", buffer, 1), 0u);
  EXPECT_STREQ(buffer, "");
  EXPECT_EQ(ExtractFileNameFromPath("/a/b", nullptr, 10), 0u);
  EXPECT_EQ(ExtractFileNameFromPath("/a/b", buffer, 0), 0u);
}

TEST(ClientFileHelpers, ExistSpecificIsTrueForRegularFilesOnly) {
  TTempFolder folder;
  const std::string file = folder.Write("demo.dsn", "(pcb x)");
  std::filesystem::create_directory(folder.Path("sub.dsn"));
  EXPECT_TRUE(ExistSpecific(file.c_str()));
  EXPECT_FALSE(ExistSpecific(folder.Path("sub.dsn").c_str()));
  EXPECT_FALSE(ExistSpecific(folder.Path("none.dsn").c_str()));
  EXPECT_FALSE(ExistSpecific(""));
  EXPECT_FALSE(ExistSpecific(nullptr));
}

}  // namespace
