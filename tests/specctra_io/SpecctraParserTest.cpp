#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "report/ReportManager.h"
#include "specctra_io/LexerTestSupport.h"
#include "support/TempFolder.h"

TEST(SpecctraParser, IsPcbFile) {
  struct TCase {
    const char* Input;
    bool IsPcb;
    std::vector<std::string> Report;
  };
  const std::vector<TCase> cases = {
      {"(pcb x)", true, {}},
      {"# a comment\n  (PCB \"x\")", true, {}},
      {"(routes x)", false, {"ERROR: Unexpected token <ROUTES> in line 1"}},
      {"\n\n(\n'pcb')", false, {"ERROR: Unexpected token <pcb> in line 3"}},
      {"pcb (pcb)", false, {}},  // the second token is not read
      {"", false, {}},
      {"(", false, {"ERROR: Unexpected token <> in line 1"}},
  };
  for (const TCase& test : cases) {
    SCOPED_TRACE(test.Input);
    auto parser = ParserOn(test.Input);
    TReportManager report("test.dsn");
    parser->SetReport(&report);
    EXPECT_EQ(parser->IsPcbFile(), test.IsPcb);
    EXPECT_EQ(report.Lines(), test.Report);

    auto silent = ParserOn(test.Input);
    EXPECT_EQ(silent->IsPcbFile(), test.IsPcb) << "without a report nothing is recorded";
  }
}

TEST(SpecctraParser, ExpectTokenKeepsTheCurrentId) {
  auto parser = ParserOn("(structure (layer\n top))");
  TReportManager report("test.dsn");
  parser->SetReport(&report);
  EXPECT_TRUE(parser->ExpectToken(tkOpenParen));
  EXPECT_TRUE(parser->ExpectToken(KeywordId("structure")));
  EXPECT_EQ(parser->CurrentId(), KeywordId("structure"));
  EXPECT_FALSE(parser->ExpectToken(tkCloseParen));
  EXPECT_EQ(parser->CurrentId(), tkOpenParen);
  parser->NextToken();
  EXPECT_FALSE(parser->ExpectToken(KeywordId("signal")));
  EXPECT_EQ(parser->CurrentId(), tkUnknownWord);
  EXPECT_EQ(report.Lines(), (std::vector<std::string>{"ERROR: Unexpected token <(> in line 1",
                                                      "ERROR: Unexpected token <TOP> in line 2"}));
  EXPECT_EQ(report.ErrorCount(), 2);
}

TEST(SpecctraParser, ReadsFilesFromDisk) {
  TTempFolder folder;
  const std::string design =
      folder.Write("board.dsn", "(pcb board\r\n  (file \"part.dsn\") (never read))");
  const std::string part = folder.Write("part.dsn", "\n(library lib)");
  TSpecctraParser parser(design);
  RegisterKeywords(parser);
  ASSERT_EQ(parser.Input()->FileName(), design);
  for (int i = 0; i < 6; ++i) parser.NextToken();
  EXPECT_EQ(parser.TokenText(), "\"PART.DSN\"") << "the double quote is no quote character here";
  EXPECT_EQ(parser.Line(), 2);

  // The rest of the design is not read; the line counter goes on.
  parser.OpenFile(part);
  EXPECT_EQ(DescribeAllTokens(parser), "( K:LIBRARY W:LIB )");
  EXPECT_EQ(parser.Line(), 3);
}

TEST(SpecctraParser, AFileThatCannotBeReadRaisesNamingIt) {
  TTempFolder folder;
  const std::vector<std::string> paths = {folder.Path("missing.dsn"), folder.Root()};
  for (const std::string& path : paths) {
    SCOPED_TRACE(path);
    try {
      TSpecctraParser parser(path);
      FAIL() << "no exception";
    } catch (const std::runtime_error& error) {
      EXPECT_NE(std::string(error.what()).find(path), std::string::npos) << error.what();
    }
  }

  // A parser that is already reading keeps its input when the next file cannot be read.
  auto parser = ParserOn("(a b)");
  parser->NextToken();
  EXPECT_THROW(parser->OpenFile(folder.Path("missing.dsn")), std::runtime_error);
  EXPECT_EQ(DescribeAllTokens(*parser), "W:A W:B )");
}
