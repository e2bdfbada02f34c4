#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "report/LockedFiles.h"
#include "report/ReportManager.h"
#include "support/TempFolder.h"

namespace {

std::vector<std::string> SplitCrLf(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
    lines.push_back(text.substr(start, end - start));
  EXPECT_EQ(start, text.size()) << "every line ends with CR LF";
  return lines;
}

// Turns reports on for one test and back off afterwards.
class ReportManagerTest : public ::testing::Test {
protected:
  void SetUp() override { SetReportEnabled(true); }
  void TearDown() override { SetReportEnabled(false); }
  TTempFolder folder;
};

}  // namespace

TEST_F(ReportManagerTest, WritesTheHeaderCountsAndLinesBesideTheSource) {
  TReportManager report(folder.Path("demo.dsn"));
  report.StartTimer();
  report.AddError("Unexpected token <X> in line 3");
  report.AddWarning("w");
  report.AddLine("note");
  report.StopTimer();
  report.Finish();

  EXPECT_EQ(report.ReportFileName(), folder.Path("demo.rpt"));
  const auto lines = SplitCrLf(TTempFolder::Read(folder.Path("demo.rpt")));
  ASSERT_EQ(lines.size(), 14u);
  EXPECT_EQ(lines[0], "TARVEX DESIGNER - NEW ROUTER INTERFACE");
  EXPECT_EQ(lines[1], "Design File : demo.dsn");
  EXPECT_EQ(lines[2].rfind("Date        : ", 0), 0u);
  EXPECT_EQ(lines[3].rfind("Start Time  : ", 0), 0u);
  EXPECT_EQ(lines[4].rfind("End   Time  : ", 0), 0u);
  EXPECT_EQ(lines[5], "");
  EXPECT_EQ(lines[6], "");
  EXPECT_EQ(lines[7], "Total errors encountered: 1");
  EXPECT_EQ(lines[8], "Total warnings encountered: 1");
  EXPECT_EQ(lines[11], "ERROR: Unexpected token <X> in line 3");
  EXPECT_EQ(lines[12], "WARNING: w");
  EXPECT_EQ(lines[13], "note");
  EXPECT_EQ(folder.FileNames(), std::vector<std::string>{"demo.rpt"});
}

TEST_F(ReportManagerTest, WithoutErrorsFourEmptyLinesFollowTheHeader) {
  TReportManager report(folder.Path("board"));
  report.AddLine("only line");
  report.Finish();
  const auto lines = SplitCrLf(TTempFolder::Read(folder.Path("board.rpt")));
  ASSERT_EQ(lines.size(), 10u);
  EXPECT_EQ(std::vector<std::string>(lines.begin() + 5, lines.begin() + 9),
            std::vector<std::string>(4, ""));
  EXPECT_EQ(lines[9], "only line");
}

TEST_F(ReportManagerTest, DisabledReportsWriteNothing) {
  SetReportEnabled(false);
  TReportManager report(folder.Path("demo.dsn"));
  report.AddError("e");
  report.Finish();
  EXPECT_TRUE(folder.FileNames().empty());
  EXPECT_EQ(report.ErrorCount(), 1);
}

TEST_F(ReportManagerTest, ALockedReportStaysAsItWas) {
  folder.Write("demo.rpt", "old report");
  folder.Write("~$demo.rpt_loc", "ComputerName=elsewhere\r\nUserName=someone\r\nProcessID=1\r\n");
  TReportManager report(folder.Path("demo.dsn"));
  report.AddError("e");
  report.Finish();
  EXPECT_EQ(TTempFolder::Read(folder.Path("demo.rpt")), "old report");
  EXPECT_EQ(folder.FileNames(), (std::vector<std::string>{"demo.rpt", "~$demo.rpt_loc"}));
}
