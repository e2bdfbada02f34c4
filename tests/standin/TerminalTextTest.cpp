#include "client/TerminalText.h"

#include <gtest/gtest.h>

#include "common/ReportCounts.h"

namespace {

TEST(TerminalText, LineBreaksOfEveryKindBecomeOneLineFeed) {
  const std::pair<const char*, const char*> cases[] = {
      {"a\r\nb", "a\nb"},   {"a\n\rb", "a\nb"},   {"a\rb", "a\nb"},         {"a\nb", "a\nb"},
      {"a\n\nb", "a\n\nb"}, {"a\r\rb", "a\n\nb"}, {"a\r\n\r\nb", "a\n\nb"}, {"\r", "\n"},
  };
  for (const auto& [text, expected] : cases) {
    SCOPED_TRACE(testing::PrintToString(std::string(text)));
    EXPECT_EQ(standin::TerminalText(text), expected);
  }
}

TEST(ReportSummary, CountsLinesThatBeginWithErrorOrWarning) {
  const struct {
    const char* Text;
    int Errors;
    int Warnings;
  } cases[] = {
      {"", 0, 0},
      {"ERROR: a\r\nERROR: b\r\nWARNING: c", 2, 1},
      {"Total errors encountered: 3\r\nTotal warnings encountered: 1\r\n", 0, 0},
      {" ERROR: indented\nERROR:no blank\nerror: lower case\n", 0, 0},
      {"x\nWARNING: \n", 0, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(std::string(c.Text)));
    const TReportCounts counts = CountReportLines(c.Text);
    EXPECT_EQ(counts.Errors, c.Errors);
    EXPECT_EQ(counts.Warnings, c.Warnings);
  }
}

}  // namespace
