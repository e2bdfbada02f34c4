#include <gtest/gtest.h>

#include "report/LockedFiles.h"
#include "support/TempFolder.h"

TEST(LockedFiles, LockFileNameSitsBesideTheTarget) {
  EXPECT_EQ(LockFileNameOf("/a/b/board.rpt"), "/a/b/~$board.rpt_loc");
  EXPECT_EQ(LockFileNameOf("board"), "~$board_loc");
}

TEST(LockedFiles, OnlyAnotherHolderLocks) {
  const TLockHolder me = CurrentLockHolder();
  auto lockText = [](const std::string& computer, const std::string& user,
                     const std::string& process) {
    return "ComputerName=" + computer + "\r\nUserName=" + user + "\r\nProcessID=" + process +
           "\r\n";
  };
  auto upper = [](std::string s) {
    for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
  };
  struct Case {
    const char* name;
    std::string lockFile;  // empty: no lock file
    bool locked;
  };
  const Case cases[] = {
      {"no lock file", "", false},
      {"this process", lockText(me.ComputerName, me.UserName, me.ProcessID), false},
      {"this process in capitals",
       lockText(upper(me.ComputerName), upper(me.UserName), me.ProcessID), false},
      {"LF line ends and another separator",
       "ComputerName:" + me.ComputerName + "\nUserName:" + me.UserName + "\nProcessID:" +
           me.ProcessID + "\n",
       false},
      {"another computer", lockText("elsewhere", me.UserName, me.ProcessID), true},
      {"another user", lockText(me.ComputerName, "nobody-else", me.ProcessID), true},
      {"another process", lockText(me.ComputerName, me.UserName, "999999999"), true},
      {"lock file without a holder", "x", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TTempFolder folder;
    if (!c.lockFile.empty()) folder.Write("~$out.rte_loc", c.lockFile);
    EXPECT_EQ(IsLockedByOther(folder.Path("out.rte")), c.locked);
  }
}

TEST(LockedFiles, GuardedSaveReplacesUnlockedTargetsOnly) {
  TTempFolder folder;
  const std::string target = folder.Write("out.rte", "old");
  EXPECT_TRUE(GuardedSaveBuffer("new", target));
  EXPECT_EQ(TTempFolder::Read(target), "new");

  folder.Write("~$out.rte_loc", "ComputerName=elsewhere\nUserName=x\nProcessID=1\n");
  EXPECT_FALSE(GuardedSaveBuffer("newer", target));
  EXPECT_EQ(TTempFolder::Read(target), "new");
  EXPECT_THROW(GuardedSaveBuffer("x", folder.Path("no/such/folder.rte")), std::runtime_error);
}
