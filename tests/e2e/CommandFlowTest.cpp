#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>

#include "support/BoardDocumentForms.h"
#include "support/Pcbhost.h"

namespace {

// A folder holding an imported board "board.pcbdoc" (from a design with two constants).
class CommandFlowTest : public ::testing::Test {
protected:
  void SetUp() override {
    folder.Write("board.dsn", TTempFolder::Read(FIXTURES_DIR "/designs/constants.dsn"));
    const TProgramResult import = RunPcbhost(folder, {"import", "board.dsn"});
    ASSERT_EQ(import.ExitCode, 0) << import.Describe();
  }
  std::size_t EmbeddedCount() {
    const auto document = board_document::AsVersion1(
        nlohmann::json::parse(TTempFolder::Read(folder.Path("board.pcbdoc"))));
    std::size_t count = 0;
    for (const auto& object : document["objects"]) count += object["kindName"] == "embedded";
    return count;
  }
  TTempFolder folder;
};

}  // namespace

TEST_F(CommandFlowTest, EmbeddedObjectsAreListedToAFileOrShownOneByOne) {
  const TProgramResult listed = RunPcbhost(folder, {"embedded", "board.pcbdoc", "--out", "list.txt"});
  ASSERT_EQ(listed.ExitCode, 0) << listed.Describe();
  EXPECT_EQ(TTempFolder::Read(folder.Path("list.txt")),
            "Name:         Server=Navro|Type=CONSTANTS|CONSTCOUNT=2\n\rDescription: "
            "C0=PROJECT\rBlink Light|C1=REV\r3\r\n\r\n"
            "Name:         Server=Navro|Type=BoardOffset\n\rDescription: X=20000000|Y=20000000\r\n\r\n");

  // The command itself, without a file, shows one message box per object.
  const TProgramResult shown =
      RunPcbhost(folder, {"run", "ViewEmbeddedObjects", "--open", "board.pcbdoc"});
  ASSERT_EQ(shown.ExitCode, 0) << shown.Describe();
  std::size_t boxes = 0;
  for (const std::string& line : shown.ErrLines()) boxes += line.starts_with("Message: Name:");
  EXPECT_EQ(boxes, 2u) << shown.Err;
}

TEST_F(CommandFlowTest, DeletingRemovesTheTranslatorData) {
  ASSERT_EQ(EmbeddedCount(), 2u);
  const TProgramResult result = RunPcbhost(folder, {"embedded", "board.pcbdoc", "--delete"});
  ASSERT_EQ(result.ExitCode, 0) << result.Describe();
  EXPECT_EQ(EmbeddedCount(), 0u);
}

TEST_F(CommandFlowTest, ReturnToHostWritesRoutesAndQuitsWithoutSaving) {
  const std::string before = TTempFolder::Read(folder.Path("board.pcbdoc"));
  const TProgramResult result = RunPcbhost(
      folder, {"run", "ReturnToHostPCB", "RteFile=RenameDSN|Quit=TRUE", "--open", "board.pcbdoc"});
  ASSERT_EQ(result.ExitCode, 0) << result.Describe();
  EXPECT_TRUE(std::filesystem::exists(folder.Path("board.rte")));
  EXPECT_FALSE(std::filesystem::exists(folder.Path("board.ses")));
  EXPECT_EQ(TTempFolder::Read(folder.Path("board.pcbdoc")), before);
}

TEST(CommandFlow, AutoroutedImportsMakeARouterDocumentAndNoReport) {
  TTempFolder folder;
  folder.Write("board.dsn", TTempFolder::Read(FIXTURES_DIR "/designs/constants.dsn"));
  const TProgramResult result = RunPcbhost(folder, {"import", "board.dsn", "--autoroute", "--rte"});
  ASSERT_EQ(result.ExitCode, 0) << result.Describe();
  EXPECT_TRUE(std::filesystem::exists(folder.Path("board.rte")));
  EXPECT_FALSE(std::filesystem::exists(folder.Path("board.rpt")));
  EXPECT_TRUE(Contains(result.Err, "router")) << result.Err;
}

TEST(CommandFlow, AMissingDesignIsAskedForAndNoEndsTheCommand) {
  TTempFolder folder;
  const TProgramResult result = RunPcbhost(
      folder, {"run", "ImportSpecctraDesignFile", "DsnFile=" + folder.Path("gone.dsn"), "--no"});
  EXPECT_EQ(result.ExitCode, 0) << result.Describe();
  EXPECT_TRUE(Contains(result.Err, "gone.dsn doesn't exist.")) << result.Err;
  EXPECT_TRUE(folder.FileNames().empty());
}
