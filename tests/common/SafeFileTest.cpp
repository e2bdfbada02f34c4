#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

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

TEST(SafeFile, ReadingAFolderOrAMissingFileFails) {
  TTempFolder folder;
  std::string error;
  EXPECT_FALSE(ReadWholeFile(folder.Path("none.dsn"), &error).has_value());
  EXPECT_NE(error.find("none.dsn"), std::string::npos);
  EXPECT_FALSE(ReadWholeFile(folder.Path(""), &error).has_value());
}
