#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>

#include "common/SafeFile.h"
#include "support/TempFolder.h"

TEST(SafeFile, ReplacesTheTargetAndLeavesNoTemporaryFile) {
  TTempFolder folder;
  const std::string target = folder.Path("out.txt");
  ASSERT_TRUE(WriteFileReplacing(target, "old"));
  ASSERT_TRUE(WriteFileReplacing(target, std::string("new\0bytes", 9)));
  EXPECT_EQ(ReadWholeFile(target).value(), std::string("new\0bytes", 9));
  EXPECT_EQ(folder.FileNames(), std::vector<std::string>{"out.txt"});
  struct stat info {};
  ASSERT_EQ(::stat(target.c_str(), &info), 0);
  EXPECT_TRUE(info.st_mode & S_IRGRP) << "written files get the usual permissions";
}

TEST(SafeFile, AFailedWriteKeepsTheOldTarget) {
  TTempFolder folder;
  const std::string target = folder.Path("keep.txt");
  ASSERT_TRUE(WriteFileReplacing(target, "precious"));
  std::string error;
  EXPECT_FALSE(WriteFileReplacing(folder.Path("missing/keep.txt"), "x", &error));
  EXPECT_NE(error.find("missing"), std::string::npos);
  EXPECT_EQ(ReadWholeFile(target).value(), "precious");
}

// A file written piece by piece replaces the target only when committed; one given up, or
// one whose write failed, leaves the target and the folder as they were.
TEST(SafeFile, AFileWrittenInPiecesReplacesTheTargetOnlyWhenCommitted) {
  TTempFolder folder;
  const std::string target = folder.Path("board.pcbdoc");
  ASSERT_TRUE(WriteFileReplacing(target, "old"));
  {
    TReplacingFile file(target);
    ASSERT_TRUE(file.Open());
    EXPECT_TRUE(file.Write("given "));
    EXPECT_TRUE(file.Write("up"));
  }
  EXPECT_EQ(ReadWholeFile(target).value(), "old");
  EXPECT_EQ(folder.FileNames(), std::vector<std::string>{"board.pcbdoc"});

  TReplacingFile file(target);
  ASSERT_TRUE(file.Open());
  const std::string piece(1 << 20, 'x');
  for (int i = 0; i < 3; ++i) ASSERT_TRUE(file.Write(piece));
  ASSERT_TRUE(file.Commit());
  EXPECT_EQ(ReadWholeFile(target).value(), piece + piece + piece);
  EXPECT_EQ(folder.FileNames(), std::vector<std::string>{"board.pcbdoc"});

  // A write the file system refuses (beyond the size limit) fails the commit.
  const pid_t child = ::fork();
  if (child == 0) {
    ::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{1000, 1000};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    TReplacingFile big(target);
    const bool opened = big.Open();
    const bool written = big.Write(piece);
    std::string error;
    const bool committed = big.Commit(&error);
    ::_exit(opened && !written && !committed && error.find(target) != std::string::npos ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  EXPECT_EQ(ReadWholeFile(target).value().size(), 3u << 20);
  EXPECT_EQ(folder.FileNames(), std::vector<std::string>{"board.pcbdoc"});
}

TEST(SafeFile, ReadingAFolderOrAMissingFileFails) {
  TTempFolder folder;
  std::string error;
  EXPECT_FALSE(ReadWholeFile(folder.Path("none.dsn"), &error).has_value());
  EXPECT_NE(error.find("none.dsn"), std::string::npos);
  EXPECT_FALSE(ReadWholeFile(folder.Path(""), &error).has_value());
}

namespace {

// Runs the work in a child process and answers how it ended (waitpid's status).
int StatusOfChild(const std::function<void()>& work) {
  const pid_t child = ::fork();
  if (child == 0) {
    work();
    ::_exit(0);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return status;
}

}  // namespace

// A save killed mid-write (by the file size limit, so that the write stops at a known point)
// leaves the old target as it was and no temporary file beside it.
TEST(SafeFile, AProcessKilledWhileWritingLeavesNothingBehind) {
  TTempFolder folder;
  const std::string target = folder.Path("board.pcbdoc");
  ASSERT_TRUE(WriteFileReplacing(target, "old board"));
  const std::string big(4 << 20, 'x');
  const int status = StatusOfChild([&] {
    const rlimit noCore{0, 0};
    const rlimit oneMegabyte{1 << 20, 1 << 20};
    ::setrlimit(RLIMIT_CORE, &noCore);
    ::setrlimit(RLIMIT_FSIZE, &oneMegabyte);
    ::signal(SIGXFSZ, SIG_DFL);
    WriteFileReplacing(target, big);
  });
  ASSERT_TRUE(WIFSIGNALED(status)) << "the child was to die in its write, status " << status;
  EXPECT_EQ(WTERMSIG(status), SIGXFSZ);
  EXPECT_EQ(folder.FileNames(), std::vector<std::string>{"board.pcbdoc"});
  EXPECT_EQ(ReadWholeFile(target).value(), "old board");
}

// The temporary files of writers that no longer run go with the next save in their folder;
// those of a running writer and files of other names stay.
TEST(SafeFile, TheNextSaveRemovesTheTemporaryFilesOfDeadWritersOnly) {
  TTempFolder folder;
  StatusOfChild([&] { CreateTemporaryFileIn(folder.Root(), ".tmp-"); });
  ASSERT_EQ(folder.FileNames().size(), 1u);
  const std::string dead = folder.Path(folder.FileNames().front());
  ASSERT_TRUE(std::filesystem::exists(dead));
  const std::string live = CreateTemporaryFileIn(folder.Root(), ".tmp-");
  const std::string other = folder.Write(".tmp-notes", "mine");
  const std::string unrelatedPid = folder.Write(".tmp-12x-abcdef", "mine too");

  ASSERT_TRUE(WriteFileReplacing(folder.Path("out.txt"), "saved"));
  EXPECT_FALSE(std::filesystem::exists(dead));
  for (const std::string& kept : {live, other, unrelatedPid})
    EXPECT_TRUE(std::filesystem::exists(kept)) << kept;
  EXPECT_EQ(ReadWholeFile(folder.Path("out.txt")).value(), "saved");
}
