// What pcbhost import checks before it launches the import: that the file is a design the
// plug-in accepts, and that it would not replace a board document the user did not name.
// And what --strict makes of a design read with errors.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "DesignGenerator.h"
#include "common/ReportCounts.h"
#include "support/Pcbhost.h"

namespace {

constexpr const char* kKeep = "a board the user worked on";

// Files that are no Specctra design: pcbhost says so, exits 1 and writes nothing, even with
// --force and a board document of the same name beside it.
TEST(ImportGuards, AFileThatIsNoDesignIsRefusedAndNothingIsWritten) {
  struct TCase {
    std::string Name;
    std::string Bytes;
  };
  const std::vector<TCase> cases = {
      {"binary.dsn", std::string("\x7f" "ELF\x02\x01\x00\xff\xfe", 9)},
      {"empty.dsn", ""},
      {"notes.dsn", "Shopping list: resistors, a 555 and solder.\n"},
      {"routes.dsn", TTempFolder::Read(FIXTURES_DIR "/designs/routes_first.dsn")},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    TTempFolder folder;
    folder.Write(c.Name, c.Bytes);
    const std::string board = std::filesystem::path(c.Name).replace_extension("pcbdoc").string();
    folder.Write(board, kKeep);
    const auto before = folder.FileNames();

    const TProgramResult result = RunPcbhost(folder, {"import", c.Name, "--force", "--rte"});
    EXPECT_EQ(result.ExitCode, 1) << result.Describe();
    EXPECT_EQ(result.ErrLines(), std::vector<std::string>{"pcbhost: not a Specctra design: " + c.Name});
    EXPECT_EQ(result.Out, "");
    EXPECT_EQ(folder.FileNames(), before) << "no board, report or routes file";
    EXPECT_EQ(TTempFolder::Read(folder.Path(board)), kKeep);
  }
}

// An existing board document is replaced only when asked: --force replaces it, --merge
// imports into it; otherwise pcbhost stops before the import and names both.
TEST(ImportGuards, AnExistingBoardIsNotReplacedWithoutForce) {
  struct TCase {
    std::vector<std::string> Options;
    std::string Board;
  };
  const std::vector<TCase> cases = {
      {{}, "t.pcbdoc"},
      {{"--out", "Main Board.pcbdoc"}, "Main Board.pcbdoc"},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Board);
    TTempFolder folder;
    CopyDesign(folder, "constants.dsn", "t.dsn");
    folder.Write(c.Board, kKeep);
    std::vector<std::string> arguments = {"import", "t.dsn"};
    arguments.insert(arguments.end(), c.Options.begin(), c.Options.end());

    const TProgramResult refused = RunPcbhost(folder, arguments);
    EXPECT_EQ(refused.ExitCode, 1) << refused.Describe();
    ASSERT_EQ(refused.ErrLines().size(), 1u) << refused.Describe();
    const std::string line = refused.ErrLines()[0];
    EXPECT_TRUE(Contains(line, folder.Path(c.Board)) && Contains(line, "--force") &&
                Contains(line, "--merge"))
        << line;
    EXPECT_EQ(TTempFolder::Read(folder.Path(c.Board)), kKeep);
    EXPECT_FALSE(std::filesystem::exists(folder.Path("t.rpt"))) << "the import did not run";

    arguments.push_back("--force");
    const TProgramResult forced = RunPcbhost(folder, arguments);
    ASSERT_EQ(forced.ExitCode, 0) << forced.Describe();
    EXPECT_TRUE(TTempFolder::Read(folder.Path(c.Board)).starts_with("{")) << "a board document";

    const TProgramResult merged = RunPcbhost(folder, {"import", "t.dsn", "--merge", c.Board});
    EXPECT_EQ(merged.ExitCode, 0) << merged.Describe();
    EXPECT_TRUE(Contains(merged.Out, "written: " + folder.Path(c.Board) + "\n")) << merged.Out;
  }
}

// The board document goes to its file while its rows are formatted: a write that fails half
// way (here the file size limit) fails the import and leaves the board document that was there
// before, and no temporary file.
TEST(ImportGuards, ABoardThatCannotBeSavedWholeLeavesTheOldDocument) {
  TTempFolder folder;
  folder.Write("big.dsn", GenerateDesign(std::size_t{2} << 20));
  folder.Write("big.pcbdoc", kKeep);
  TProgramRun limited;
  limited.FileSizeLimit = std::size_t{1} << 20;
  const TProgramResult cut = RunPcbhost(folder, {"import", "big.dsn", "--force"}, limited);
  EXPECT_EQ(cut.ExitCode, 1) << cut.Describe();
  ASSERT_EQ(cut.ErrLines().size(), 1u) << cut.Describe();
  EXPECT_TRUE(Contains(cut.Err, "cannot save")) << cut.Err;
  EXPECT_EQ(TTempFolder::Read(folder.Path("big.pcbdoc")), kKeep);
  for (const std::string& name : folder.FileNames())
    EXPECT_TRUE(name == "big.dsn" || name == "big.pcbdoc" || name.starts_with("big.rpt")) << name;

  const TProgramResult whole = RunPcbhost(folder, {"import", "big.dsn", "--force"});
  ASSERT_EQ(whole.ExitCode, 0) << whole.Describe();
  EXPECT_GT(std::filesystem::file_size(folder.Path("big.pcbdoc")), limited.FileSizeLimit);
}

// A design read with errors on some statements is still imported: exit 0 with the counts;
// --strict makes the errors fail the call, but the board is saved all the same.
TEST(ImportGuards, StrictFailsOnReportErrorsAndStillSavesTheBoard) {
  TTempFolder folder;
  const std::string whole = TTempFolder::Read(FIXTURES_DIR "/designs/constants.dsn");
  folder.Write("cut.dsn", whole.substr(0, whole.find("(boundary") + 6));

  const TProgramResult lenient = RunPcbhost(folder, {"import", "cut.dsn"});
  ASSERT_EQ(lenient.ExitCode, 0) << lenient.Describe();
  const TReportCounts counts = CountReportLines(TTempFolder::Read(folder.Path("cut.rpt")));
  ASSERT_GT(counts.Errors, 0) << "the cut design is read with errors";
  EXPECT_TRUE(Contains(lenient.Out, "report: " + folder.Path("cut.rpt") + " (")) << lenient.Out;
  EXPECT_EQ(lenient.Err, "");

  std::filesystem::remove(folder.Path("cut.pcbdoc"));
  const TProgramResult strict = RunPcbhost(folder, {"import", "cut.dsn", "--strict"});
  EXPECT_EQ(strict.ExitCode, 1) << strict.Describe();
  ASSERT_EQ(strict.ErrLines().size(), 1u) << strict.Describe();
  EXPECT_TRUE(Contains(strict.Err, "--strict")) << strict.Err;
  EXPECT_TRUE(std::filesystem::exists(folder.Path("cut.pcbdoc")));
  EXPECT_EQ(strict.Out, lenient.Out) << "the same summary";
}

}  // namespace
