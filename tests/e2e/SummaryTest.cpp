// The one summary the verbs print on standard output (board counts, the report's counts, the
// files written), and the report counts it takes from the import itself.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "common/ReportCounts.h"
#include "support/Pcbhost.h"

namespace {

std::string Counted(int count, const std::string& noun) {
  return std::to_string(count) + " " + noun + (count == 1 ? "" : "s");
}

// The summary line of a report whose text is given.
std::string ReportLine(const std::string& path, const std::string& text) {
  const TReportCounts counts = CountReportLines(text);
  return "report: " + path + " (" + Counted(counts.Errors, "error") + ", " +
         Counted(counts.Warnings, "warning") + ")";
}

// "board: N components, N pads, N nets, N tracks, N vias, N rules", each noun in the number
// its count asks for.
void ExpectBoardLine(const std::string& line) {
  const std::regex form(
      R"(board: (\d+) components?, (\d+) pads?, (\d+) nets?, (\d+) tracks?, (\d+) vias?, (\d+) rules?)");
  std::smatch counts;
  ASSERT_TRUE(std::regex_match(line, counts, form)) << line;
  std::string expected = "board:";
  const char* nouns[] = {"component", "pad", "net", "track", "via", "rule"};
  for (int i = 0; i < 6; ++i)
    expected += std::string(i ? ", " : " ") + Counted(std::stoi(counts[i + 1]), nouns[i]);
  EXPECT_EQ(line, expected);
}

// The same design imported alone and with the exports of the same call: the exports' reports
// replace the import's file, but the summary still gives the import's own counts and says
// what happened to its file.
TEST(Summary, ImportReportCountsAreTheImportsOwn) {
  TTempFolder alone;
  CopyDesign(alone, "constants.dsn", "t.dsn");
  ASSERT_EQ(RunPcbhost(alone, {"import", "t.dsn"}).ExitCode, 0);
  const std::string importReport = TTempFolder::Read(alone.Path("t.rpt"));
  ASSERT_GT(CountReportLines(importReport).Errors, 0) << "so that a replaced report shows";

  struct TCase {
    std::vector<std::string> Options;
    std::string ReplacedBy;  // empty: the import's report file stays
    std::string OtherReport;
  };
  const std::vector<TCase> cases = {
      {{"--rte", "--ses"}, "session export", ""},
      {{"--rte"}, "routes export", ""},
      {{"--rte", "elsewhere.rte"}, "", "elsewhere.rpt"},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Options.size() == 2 ? c.Options[0] + " " + c.Options[1] : c.Options[0]);
    TTempFolder folder;
    CopyDesign(folder, "constants.dsn", "t.dsn");
    std::vector<std::string> arguments = {"import", "t.dsn"};
    arguments.insert(arguments.end(), c.Options.begin(), c.Options.end());
    const TProgramResult result = RunPcbhost(folder, arguments);
    ASSERT_EQ(result.ExitCode, 0) << result.Describe();
    const std::vector<std::string> lines = result.OutLines();
    ASSERT_GE(lines.size(), 2u) << result.Out;
    EXPECT_EQ(lines[1], ReportLine(folder.Path("t.rpt"), importReport));

    const std::string note = folder.Path("t.rpt") + " now holds the " + c.ReplacedBy +
                             "'s report; run the import without --rte/--ses to keep its report";
    EXPECT_EQ(Contains(result.Out, note + "\n"), !c.ReplacedBy.empty()) << result.Out;
    const int errorsNow = CountReportLines(TTempFolder::Read(folder.Path("t.rpt"))).Errors;
    EXPECT_EQ(errorsNow == CountReportLines(importReport).Errors, c.ReplacedBy.empty())
        << "the file holds the import's report unless an export replaced it";
    if (!c.OtherReport.empty()) {
      const std::string other = folder.Path(c.OtherReport);
      EXPECT_TRUE(Contains(result.Out, ReportLine(other, TTempFolder::Read(other)) + "\n"))
          << result.Out;
    }
  }
}

// Every verb's summary: on standard output only, once, in one form; standard error stays empty
// when nothing went wrong.
TEST(Summary, VerbsPrintOneSummaryOnStandardOutputOnly) {
  TTempFolder folder;
  // A design with a library: the exports of a board without stored padstacks say so.
  CopyDesign(folder, "library.dsn", "t.dsn");
  const TProgramResult import = RunPcbhost(folder, {"import", "t.dsn", "--svg"});
  ASSERT_EQ(import.ExitCode, 0) << import.Describe();
  EXPECT_EQ(import.Err, "");
  std::vector<std::string> lines = import.OutLines();
  ASSERT_EQ(lines.size(), 4u) << import.Out;
  ExpectBoardLine(lines[0]);
  EXPECT_EQ(lines[1], ReportLine(folder.Path("t.rpt"), TTempFolder::Read(folder.Path("t.rpt"))));
  EXPECT_EQ(lines[2], "written: " + folder.Path("t.pcbdoc"));
  EXPECT_EQ(lines[3], "written: " + folder.Path("t.svg"));

  // The exports write no report of their own (their session imported nothing): no report
  // line, although the import's report lies beside the board.
  for (const char* verb : {"export-routes", "export-session"}) {
    SCOPED_TRACE(verb);
    const std::string out = folder.Path(std::string("t.") + (verb[7] == 'r' ? "rte" : "ses"));
    const TProgramResult exported = RunPcbhost(folder, {verb, "t.pcbdoc"});
    ASSERT_EQ(exported.ExitCode, 0) << exported.Describe();
    EXPECT_EQ(exported.Err, "");
    lines = exported.OutLines();
    ASSERT_EQ(lines.size(), 2u) << exported.Out;
    ExpectBoardLine(lines[0]);
    EXPECT_EQ(lines[1], "written: " + out);
  }

  // The counts of a board with one via and one rule, in the right number.
  folder.Write("small.pcbdoc", TTempFolder::Read(FIXTURES_DIR "/boards/small.pcbdoc"));
  const TProgramResult render = RunPcbhost(folder, {"render", "small.pcbdoc"});
  ASSERT_EQ(render.ExitCode, 0) << render.Describe();
  EXPECT_EQ(render.OutLines(),
            (std::vector<std::string>{"board: 2 components, 5 pads, 3 nets, 5 tracks, 1 via, 1 rule",
                                      "written: " + folder.Path("small.svg")}));
}

// Without --out the listing of the translator data comes on standard output, from a temporary
// file that is gone afterwards; no message boxes on standard error.
TEST(Summary, EmbeddedPrintsItsListingOnStandardOutput) {
  TTempFolder folder;
  CopyDesign(folder, "constants.dsn", "t.dsn");
  ASSERT_EQ(RunPcbhost(folder, {"import", "t.dsn"}).ExitCode, 0);
  std::filesystem::create_directory(folder.Path("tmp"));
  TProgramRun run;
  run.Environment = {{"TMPDIR", folder.Path("tmp")}};
  const TProgramResult listed = RunPcbhost(folder, {"embedded", "t.pcbdoc"}, run);
  ASSERT_EQ(listed.ExitCode, 0) << listed.Describe();
  EXPECT_EQ(listed.Err, "");
  EXPECT_EQ(listed.Out,
            "Name:         Server=Navro|Type=CONSTANTS|CONSTCOUNT=2\n"
            "Description: C0=PROJECT\nBlink Light|C1=REV\n3\n\n"
            "Name:         Server=Navro|Type=BoardOffset\n"
            "Description: X=20000000|Y=20000000\n\n");
  EXPECT_TRUE(std::filesystem::is_empty(folder.Path("tmp")));
}

}  // namespace

namespace {

// The board line built from what `pcbhost info --json` reads from the saved document.
std::string BoardLineOfDocument(const TTempFolder& folder, const std::string& document) {
  const TProgramResult info = RunPcbhost(folder, {"info", document, "--json"});
  EXPECT_EQ(info.ExitCode, 0) << info.Describe();
  const nlohmann::json summary = nlohmann::json::parse(info.Out, nullptr, false);
  std::string line = "board:";
  const char* nouns[] = {"component", "pad", "net", "track", "via", "rule"};
  for (int i = 0; i < 6; ++i) {
    const nlohmann::json& count = summary["counts"][nouns[i]];
    line += std::string(i ? ", " : " ") + Counted(count.is_number() ? count.get<int>() : 0, nouns[i]);
  }
  return line;
}

// Every verb that changes or opens a board counts the board in the host's memory: the line
// must match what the saved document holds, pads of components included.
TEST(Summary, TheBoardLineCountsWhatTheSavedDocumentHolds) {
  TTempFolder folder;
  CopyDesign(folder, "routed.dsn", "r.dsn");
  CopyDesign(folder, "components.dsn", "c.dsn");
  struct TCase {
    std::vector<std::string> Arguments;
    std::string Document;
  };
  const std::vector<TCase> cases = {
      {{"import", "r.dsn"}, "r.pcbdoc"},
      {{"import", "c.dsn", "--out", "other.pcbdoc"}, "other.pcbdoc"},
      {{"import", "r.dsn", "--merge", "other.pcbdoc"}, "other.pcbdoc"},
      {{"export-session", "other.pcbdoc"}, "other.pcbdoc"},
      {{"export-routes", "r.pcbdoc"}, "r.pcbdoc"},
      {{"embedded", "other.pcbdoc", "--delete"}, "other.pcbdoc"},
      {{"import", "c.dsn", "--project"}, "Imported c.dsn/c.pcbdoc"},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Arguments[0] + " " + c.Arguments[1]);
    const TProgramResult result = RunPcbhost(folder, c.Arguments);
    ASSERT_EQ(result.ExitCode, 0) << result.Describe();
    const std::vector<std::string> lines = result.OutLines();
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0], BoardLineOfDocument(folder, c.Document));
    EXPECT_NE(lines[0], "board: 0 components, 0 pads, 0 nets, 0 tracks, 0 vias, 0 rules");
  }
}

}  // namespace
