#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <stdexcept>

#include "specctra_io/SpecctraWriter.h"
#include "support/TempFolder.h"

TEST(SpecctraWriter, IndentsBlocksAndEndsLinesWithCrLf) {
  TTempFolder folder;
  TSpecctraWriter writer(folder.Path("out.rte"));
  writer.WriteLine("(routes ", true);
  writer.IndentIn(1);
  writer.WriteLine("x", true);
  writer.WriteLine("", true);
  writer.WriteLine("y", false);
  writer.IndentOut(1);
  writer.WriteLine(")", true);
  writer.IndentOut(3);
  writer.WriteLine("z", true);
  EXPECT_EQ(writer.Buffer(), "(routes \r\n  x\r\n  \r\ny\r\n)\r\nz\r\n");
  EXPECT_TRUE(folder.FileNames().empty()) << "nothing reaches the disk before Save";
  ASSERT_TRUE(writer.Save());
  EXPECT_EQ(TTempFolder::Read(folder.Path("out.rte")), writer.Buffer());
}

TEST(SpecctraWriter, BlankMarkersBecomeTheByte1F) {
  TSpecctraWriter writer("unused");
  writer.Write("(net A~SP~B~SP~)~SP", false);
  EXPECT_EQ(writer.Buffer(), "(net A\x1F" "B\x1F)~SP");
}

namespace {

// Writes numbered lines until the text is about the size given; answers the text written.
std::string WriteLines(TSpecctraWriter& writer, std::size_t size) {
  std::string expected;
  for (int line = 0; expected.size() < size; ++line) {
    const std::string text = "(line " + std::to_string(line) + " ~SP~)";
    writer.WriteLine(text, true);
    expected += "  (line " + std::to_string(line) + " \x1F)\r\n";
  }
  return expected;
}

// Runs the work in a child process and answers its exit code (-1 when it did not exit).
int ExitCodeOfChild(const std::function<int()>& work) {
  const pid_t child = ::fork();
  if (child == 0) ::_exit(work());
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

// A text of several megabytes goes to the file in chunks while it is written, yet the target
// keeps its old text until Save, which puts the whole new text in place.
TEST(SpecctraWriter, ALargeTextReplacesTheTargetWholeOnlyOnSave) {
  TTempFolder folder;
  const std::string target = folder.Write("big.ses", "old session");
  TSpecctraWriter writer(target);
  writer.IndentIn(1);
  const std::string expected = WriteLines(writer, 5u << 20);
  EXPECT_LT(writer.Buffer().size(), 2u << 20) << "the text is not held whole in memory";
  EXPECT_EQ(writer.WrittenSize(), expected.size());
  EXPECT_EQ(TTempFolder::Read(target), "old session");
  ASSERT_TRUE(writer.Save());
  EXPECT_TRUE(TTempFolder::Read(target) == expected) << "the file differs from the text written";
  EXPECT_EQ(folder.FileNames(), std::vector<std::string>{"big.ses"});
}

// An export that fails before its Save (the writer is freed), a target locked by another
// holder, a folder that does not exist, and a file system that refuses the bytes half-way:
// each leaves the old target and nothing else.
TEST(SpecctraWriter, ALargeTextThatIsNotSavedLeavesTheOldTargetAndNothingElse) {
  TTempFolder folder;
  const std::string target = folder.Write("big.rte", "old routes");
  {
    TSpecctraWriter abandoned(target);
    WriteLines(abandoned, 3u << 20);
  }
  EXPECT_EQ(TTempFolder::Read(target), "old routes");
  EXPECT_EQ(folder.FileNames(), std::vector<std::string>{"big.rte"});

  folder.Write("~$big.rte_loc", "ComputerName=elsewhere\nUserName=x\nProcessID=1\n");
  TSpecctraWriter locked(target);
  WriteLines(locked, 3u << 20);
  EXPECT_FALSE(locked.Save());
  EXPECT_EQ(TTempFolder::Read(target), "old routes");
  EXPECT_EQ(folder.FileNames(), (std::vector<std::string>{"big.rte", "~$big.rte_loc"}));
  std::filesystem::remove(folder.Path("~$big.rte_loc"));

  TSpecctraWriter nowhere(folder.Path("missing/big.rte"));
  WriteLines(nowhere, 3u << 20);
  EXPECT_THROW(nowhere.Save(), std::runtime_error);

  const int refused = ExitCodeOfChild([&] {
    ::signal(SIGXFSZ, SIG_IGN);
    const rlimit twoMegabytes{2 << 20, 2 << 20};
    ::setrlimit(RLIMIT_FSIZE, &twoMegabytes);
    TSpecctraWriter writer(target);
    WriteLines(writer, 5u << 20);
    try {
      writer.Save();
    } catch (const std::runtime_error& error) {
      return std::string(error.what()).find(target) != std::string::npos ? 0 : 2;
    }
    return 1;
  });
  EXPECT_EQ(refused, 0) << "1: the save did not raise; 2: its error does not name the file";
  EXPECT_EQ(TTempFolder::Read(target), "old routes");
  EXPECT_EQ(folder.FileNames(), std::vector<std::string>{"big.rte"});
}

// A process that ends half-way through a large text, its chunks already handed over, leaves
// the old target and no file beside it.
TEST(SpecctraWriter, AProcessEndedWhileWritingLeavesNothingBehind) {
  TTempFolder folder;
  const std::string target = folder.Write("big.ses", "old session");
  const int code = ExitCodeOfChild([&] {
    TSpecctraWriter writer(target);
    WriteLines(writer, 3u << 20);
    ::_exit(7);  // no destructor runs, as when the process is killed
    return 0;
  });
  EXPECT_EQ(code, 7);
  EXPECT_EQ(TTempFolder::Read(target), "old session");
  // Where the file system has no unnamed files, the leftover goes with the next save.
  TSpecctraWriter next(folder.Path("other.ses"));
  next.WriteLine("x", false);
  ASSERT_TRUE(next.Save());
  EXPECT_EQ(folder.FileNames(), (std::vector<std::string>{"big.ses", "other.ses"}));
}
