#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "report/ReportManager.h"
#include "specctra_io/LexerTestSupport.h"

namespace {

struct TTokenCase {
  const char* Name;
  std::string Input;
  std::string Tokens;
};

}  // namespace

TEST(BlockParser, TokenStreams) {
  const std::vector<TTokenCase> cases = {
      {"keyword and upper-cased word", "(pcb board)", "( K:PCB W:BOARD )"},
      {"x and y are keywords", "(x xy y)", "( K:X K:XY K:Y )"},
      {"quoted name keeps its case", "(pcb 'My Board')\n", "( K:PCB Q:My Board )"},
      {"semicolon and apostrophe end words and vanish", "(a;b c'd)", "( W:A W:B W:C W:D )"},
      {"hyphen and plus stay in words", "(plus-pat +5V U2-14)", "( K:PLUS-PAT W:+5V W:U2-14 )"},
      {"aliases and letter case", "(circ Circle CIRCLE direction poly)",
       "( K:CIRC K:CIRCLE K:CIRCLE K:DIRECTION K:POLY )"},
      {"QZ is a keyword from the start", "(qz)", "( K:QZ )"},
      {"comment lines anywhere, LF only", "# first\n(pcb\n   # (skipped\n  w # kept\n)",
       "( K:PCB W:W W:# W:KEPT )"},
      {"comment lines with CR LF", "#a\r\n#b\r\n(w)", "( W:W )"},
      {"parenthesis after a word at the very end", "(a b)", "( W:A W:B )"},
      {"last byte of a word at the very end", "(a b", "( W:A W:B"},
      {"string_quote switches the quote character",
       "(parser (string_quote \")(host_cad \"a 'b' c\")) (n 'u v')",
       "( K:PARSER ( K:STRING_QUOTE S:\" ) ( K:HOST_CAD Q:a 'b' c ) ) ( W:N W: W:U W:V )"},
      {"string_quote takes any next byte", "(string_quote $) ($a b$)",
       "( K:STRING_QUOTE S:$ ) ( Q:a b )"},
      {"escaped quote before a blank closes the string", "('a\\' b')", "( Q:a\\ W:B )"},
      {"escaped quote inside a string", "('it\\'s')", "( Q:it's )"},
      {"line breaks inside a string are kept", "('a\r\nb')", "( Q:a\r\nb )"},
      {"unterminated string runs to the end", "(w 'abc (y)", "( W:W Q:abc (y)"},
      {"unterminated block", "((a (b", "( ( W:A ( W:B"},
      {"empty quoted string", "(w '')", "( W:W Q: )"},
      {"blank marker byte", "(net a\037b)", "( K:NET W:A~SP~B )"},
      {"blanks only", "   ", ""},
      {"empty input", "", ""},
  };
  for (const TTokenCase& test : cases) {
    SCOPED_TRACE(test.Name);
    EXPECT_EQ(DescribeAllTokens(test.Input), test.Tokens);
  }
}

TEST(BlockParser, KeywordIdsAndFlags) {
  auto parser = ParserOn("(pcb Structure w 'on')");
  EXPECT_EQ(parser->NextToken(), tkOpenParen);
  EXPECT_TRUE(parser->IsKeyword());
  EXPECT_EQ(parser->NextToken(), 279);
  EXPECT_TRUE(parser->IsKeyword());
  EXPECT_EQ(parser->NextToken(), KeywordId("structure"));
  EXPECT_EQ(parser->TokenText(), "STRUCTURE");
  EXPECT_EQ(parser->NextToken(), tkUnknownWord);
  EXPECT_FALSE(parser->IsKeyword());
  EXPECT_EQ(parser->NextToken(), tkQuotedString);
  EXPECT_FALSE(parser->IsKeyword()) << "a quoted keyword is a string";
  EXPECT_TRUE(parser->IsTokenOn());
  EXPECT_EQ(parser->NextToken(), tkCloseParen);
  EXPECT_EQ(LastTokenId, tkCloseParen);
  EXPECT_EQ(parser->CurrentId(), tkCloseParen);
}

TEST(BlockParser, TabStaysInWordsButEndsNumbers) {
  auto parser = ParserOn("a\tb 12\t34 1.5e-3)");
  EXPECT_EQ(parser->NextTokenText(), "A\tB");
  EXPECT_EQ(parser->ReadInteger(), 12);
  EXPECT_EQ(parser->ReadInteger(), 34);
  EXPECT_DOUBLE_EQ(parser->ReadFloat(), 0.0015);
  EXPECT_EQ(parser->NextToken(), tkCloseParen) << "the parenthesis glued to the number follows";
  EXPECT_FALSE(parser->NumberError());
}

TEST(BlockParser, LineCounting) {
  struct TCase {
    const char* Name;
    std::string Input;
    std::vector<int32_t> Lines;  // the line after each token
  };
  const std::vector<TCase> cases = {
      {"LF", "a\nb\nc", {1, 2, 3}},
      {"CR LF is one line break", "a\r\nb\r\nc", {1, 2, 3}},
      {"CR alone", "a\rb", {1, 2}},
      {"a run of line breaks counts once", "a\n\n\r\n\nb", {1, 2}},
      {"a line holding blanks counts", "a\n  \nb", {1, 3}},
      {"comment lines count", "#x\n#y\na", {3}},
      {"breaks inside strings do not count", "'a\nb' c", {1, 1}},
      {"blanks before the break", "a   \nb", {1, 2}},
  };
  for (const TCase& test : cases) {
    SCOPED_TRACE(test.Name);
    auto parser = ParserOn(test.Input);
    std::vector<int32_t> lines;
    for (std::size_t i = 0; i < test.Lines.size(); ++i) {
      parser->NextToken();
      lines.push_back(parser->Line());
    }
    EXPECT_EQ(lines, test.Lines);
  }
}

TEST(BlockParser, UnescapeRules) {
  struct TCase {
    const char* Raw;
    std::string Text;
  };
  const std::vector<TCase> cases = {
      {"plain", "plain"},
      {"a\\nb\\Nc", "a\nb\nc"},
      {"\\f\\r\\t\\T", "\f\r\v\v"},
      {"a\\qb", "ab"},        // unknown escapes vanish
      {"a\\\\b", "a\\"},      // the b after a doubled backslash is read as an escape
      {"a\\\\nb", "a\\\nb"},  // the byte after a doubled backslash is an escape again
      {"a\\'b", "a'b"},
      {"a\\\"b", "ab"},    // the double quote is no escape under the apostrophe
      {"end\\", "end\\"},  // a backslash as the last byte is kept
      {"\\", "\\"},
      {"", ""},
  };
  for (const TCase& test : cases) {
    SCOPED_TRACE(test.Raw);
    EXPECT_EQ(TBlockParser::Unescape(test.Raw, '\''), test.Text);
  }
  EXPECT_EQ(TBlockParser::Unescape("a\\\"b", '"'), "a\"b");
}

TEST(BlockParser, QuotedStringEscapesInTheStream) {
  auto parser = ParserOn("('a\\nb\\tc\\\\d\\'e')");
  parser->NextToken();
  EXPECT_EQ(parser->NextToken(), tkQuotedString);
  EXPECT_EQ(parser->TokenText(), "a\nb\vc\\'e");
  EXPECT_EQ(parser->NextToken(), tkCloseParen);
}

TEST(BlockParser, TokensAreCutAt255Bytes) {
  const std::string longWord(300, 'w');
  const std::string longText(300, 't');
  std::string markers(100, 'm');
  markers[60] = '\x1F';
  markers[62] = '\x1F';
  auto parser = ParserOn("(" + longWord + " '" + longText + "' " + std::string(253, 'p') + "\x1F" +
                         "qq " + markers + " next)");
  parser->NextToken();
  EXPECT_EQ(parser->NextTokenText(), std::string(255, 'W'));
  EXPECT_EQ(parser->NextTokenText(), std::string(255, 't'));
  EXPECT_EQ(parser->NextTokenText(), std::string(253, 'P') + "~S");
  EXPECT_EQ(parser->NextTokenText(), std::string(60, 'M') + "~SP~M~SP~" + std::string(37, 'M'));
  EXPECT_EQ(parser->NextTokenText(), "NEXT");
  EXPECT_EQ(parser->NextToken(), tkCloseParen);
}

TEST(BlockParser, TheEndOfInputGivesEmptyWordsForever) {
  auto parser = ParserOn("(w)\n");
  EXPECT_EQ(DescribeAllTokens(*parser), "( W:W )");
  EXPECT_TRUE(parser->EndOfInput());
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(parser->NextToken(), tkUnknownWord);
    EXPECT_EQ(parser->TokenText(), "");
  }
  EXPECT_EQ(parser->ReadInteger(), kEmptyNumberValue);
  EXPECT_EQ(parser->ReadFloat(), kEmptyNumberValue);
}

TEST(BlockParser, EndOfInputIsSetWhenTheLastByteIsRead) {
  auto parser = ParserOn("(a )");
  parser->NextToken();
  parser->NextToken();
  EXPECT_FALSE(parser->EndOfInput());
  parser->NextToken();
  EXPECT_TRUE(parser->EndOfInput());

  // A word closed by the last byte has read it: the input has ended, yet the parenthesis
  // is still delivered.
  auto glued = ParserOn("(a)");
  glued->NextToken();
  glued->NextToken();
  EXPECT_TRUE(glued->EndOfInput());
  EXPECT_EQ(glued->NextToken(), tkCloseParen);

  auto empty = ParserOn("");
  EXPECT_TRUE(empty->EndOfInput());
}

TEST(BlockParser, NumberReaders) {
  struct TCase {
    std::string Input;
    bool Integer;
    double Value;
    bool Error;
  };
  const std::vector<TCase> cases = {
      {"42", true, 42, false},
      {"-17", true, -17, false},
      {"+8", true, 8, false},
      {"x1F", true, 31, false},
      {"0x10", true, 16, false},
      {"-0XfF", true, -255, false},
      {"2147483647", true, 2147483647, false},
      {"-2147483648", true, -2147483648.0, false},
      {"2147483648", true, 0, true},
      {"99999999999999999999999", true, 0, true},
      {"1.5", true, 0, true},
      {"10mil", true, 0, true},
      {";", true, kEmptyNumberValue, true},
      {"", true, kEmptyNumberValue, true},
      {"1.25", false, 1.25, false},
      {"-.5", false, -0.5, false},
      {"+3", false, 3, false},
      {"2E3", false, 2000, false},
      {"1,5", false, 0, true},
      {"1e999", false, 0, true},
      {"inf", false, 0, true},
      {"-INF", false, 0, true},
      {"nan", false, 0, true},
      {"infinity", false, 0, true},
      {"0x10", false, 0, true},
      {"+-1", false, 0, true},
      {"", false, kEmptyNumberValue, true},
  };
  for (const TCase& test : cases) {
    SCOPED_TRACE((test.Integer ? "integer <" : "float <") + test.Input + ">");
    auto parser = ParserOn(test.Input);
    TReportManager report("numbers.dsn");
    parser->SetReport(&report);
    const double value = test.Integer ? parser->ReadInteger() : parser->ReadFloat();
    EXPECT_EQ(parser->NumberError(), test.Error);
    if (!test.Error || value == kEmptyNumberValue) {
      EXPECT_DOUBLE_EQ(value, test.Value);
    }
    EXPECT_EQ(report.ErrorCount(), test.Error ? 1 : 0);
  }
}

TEST(BlockParser, NumberErrorLines) {
  auto parser = ParserOn("\n\nabc 1.5.2 7");
  TReportManager report("numbers.dsn");
  parser->SetReport(&report);
  parser->ReadInteger();
  parser->ReadFloat();
  EXPECT_EQ(parser->ReadInteger(), 7);
  EXPECT_FALSE(parser->NumberError()) << "a good number clears the flag";
  EXPECT_EQ(report.Lines(),
            (std::vector<std::string>{"ERROR: Integer value expected <ABC> in line 2.",
                                      "ERROR: Floating point value expected <1.5.2> in line 2."}));
}

TEST(BlockParser, CurrentTokenConversions) {
  auto parser = ParserOn("12 'x' '' 2.5");
  TReportManager report("numbers.dsn");
  parser->SetReport(&report);
  int32_t integer = -1;
  double real = -1;

  parser->NextToken();
  EXPECT_TRUE(parser->CurrentAsInteger(integer));
  EXPECT_EQ(integer, 12);
  parser->NextToken();
  EXPECT_FALSE(parser->CurrentAsInteger(integer));
  EXPECT_EQ(integer, 12) << "a failed conversion keeps the value";
  EXPECT_FALSE(parser->CurrentAsFloat(real));
  EXPECT_EQ(real, -1);
  parser->NextToken();
  EXPECT_TRUE(parser->CurrentAsInteger(integer));
  EXPECT_EQ(integer, 0) << "an empty text is 0";
  parser->NextToken();
  EXPECT_TRUE(parser->CurrentAsFloat(real));
  EXPECT_EQ(real, 2.5);
  EXPECT_EQ(report.Lines(),
            (std::vector<std::string>{"ERROR: Integer value expected <x> in line 1.",
                                      "ERROR: Floating point value expected <x> in line 1."}));
  EXPECT_FALSE(parser->NumberError()) << "only the readers set the flag";
}

TEST(BlockParser, OnOffReaders) {
  auto parser = ParserOn("On off ON x 'on'");
  EXPECT_TRUE(parser->ReadOnOff());
  EXPECT_FALSE(parser->ReadOnOff());
  EXPECT_TRUE(parser->ReadOnOff());
  EXPECT_TRUE(parser->IsTokenOn());
  EXPECT_FALSE(parser->ReadOnOff());
  EXPECT_FALSE(parser->IsTokenOn());
  EXPECT_TRUE(parser->ReadOnOff());
}

TEST(BlockParser, SkipBlockByTokens) {
  auto parser = ParserOn("(a (b (c ')')) d) e");
  parser->NextToken();
  parser->NextToken();
  parser->SkipBlock();
  EXPECT_EQ(parser->CurrentId(), tkCloseParen);
  EXPECT_EQ(DescribeAllTokens(*parser), "W:E");
}

TEST(BlockParser, SkipBlockByBytes) {
  struct TCase {
    const char* Name;
    std::string Input;
    int Tokens;  // read before skipping
    std::string Rest;
  };
  const std::vector<TCase> cases = {
      {"parentheses inside strings count", "(rule x (a ')') v) z", 3, "W:V ) W:Z"},
      {"after an opening parenthesis the depth starts at 2", "((x) y) z", 2, "W:Z"},
      {"after a word closed by a parenthesis", "(a b) c) d", 3, "W:C ) W:D"},
      {"after a closing parenthesis nothing is skipped", "(a b)) c", 4, ") W:C"},
      {"line ends and comments", "(a x\n (b\n\n) c\n) d", 2, "W:D"},
      {"unterminated", "(a (b", 2, ""},
  };
  for (const TCase& test : cases) {
    SCOPED_TRACE(test.Name);
    auto parser = ParserOn(test.Input);
    for (int i = 0; i < test.Tokens; ++i) parser->NextToken();
    parser->SkipBlockChars();
    EXPECT_EQ(parser->PrevChar(), 0);
    EXPECT_EQ(DescribeAllTokens(*parser), test.Rest);
  }
}

TEST(BlockParser, SkipBlockByBytesCountsLines) {
  auto parser = ParserOn("(a x\n(b\n)\n)\nc");
  parser->NextToken();
  parser->NextToken();
  parser->NextToken();
  parser->SkipBlockChars();
  EXPECT_EQ(parser->Line(), 4);
  EXPECT_EQ(parser->NextTokenText(), "C");
  EXPECT_EQ(parser->Line(), 5);
}

TEST(BlockParser, PreviousAndCurrentByte) {
  auto parser = ParserOn("(ab cd)");
  parser->NextToken();
  EXPECT_EQ(parser->CurChar(), '(');
  parser->NextToken();  // "ab" and the blank after it
  EXPECT_EQ(parser->PrevChar(), 'b');
  EXPECT_EQ(parser->CurChar(), ' ');
  parser->NextToken();  // "cd", the parenthesis read and put back
  EXPECT_EQ(parser->PrevChar(), 'd');
  EXPECT_EQ(parser->CurChar(), ')');
  parser->NextToken();  // the parenthesis read again
  EXPECT_EQ(parser->PrevChar(), ')');
  EXPECT_EQ(parser->CurChar(), ')');
}

TEST(BlockParser, LookAheads) {
  auto parser = ParserOn("a   \n  # c\nb");
  parser->NextToken();
  EXPECT_TRUE(parser->AtLineEnd());
  EXPECT_FALSE(parser->AtCommentLine());
  parser->SkipLine();
  EXPECT_FALSE(parser->AtLineEnd());
  EXPECT_TRUE(parser->AtCommentLine());
  parser->SkipLine();
  EXPECT_EQ(parser->Line(), 3);
  EXPECT_EQ(parser->NextTokenText(), "B");
}

TEST(BlockParser, KeywordListIgnoresCaseAndKeepsTheFirst) {
  auto parser = ParserOn("");
  EXPECT_EQ(parser->LookupKeyword("qz"), 0);
  EXPECT_EQ(parser->LookupKeyword("Circle"), 49);
  EXPECT_EQ(parser->LookupKeyword("nonsense"), tkUnknownWord);
  parser->AddKeyword("Circle", 7);
  EXPECT_EQ(parser->LookupKeyword("CIRCLE"), 49);
  parser->AddKeyword("My_Word", 7);
  EXPECT_EQ(parser->LookupKeyword("my_word"), 7);
}

TEST(BlockParser, ANewParserDoesNotInheritAPendingQuoteSwitch) {
  auto first = ParserOn("(string_quote $)");
  first->NextToken();
  first->NextToken();
  ASSERT_EQ(LastTokenId, KeywordId("string_quote"));
  EXPECT_EQ(DescribeAllTokens("$a b$"), "W:$A W:B$");
}

TEST(BlockParser, ReadingUntilTheEndOfInputAsTheTokenDumpDoes) {
  struct TCase {
    std::string Input;
    std::vector<std::string> Texts;
  };
  const std::vector<TCase> cases = {
      {"(pcb 'My Board')\r\n", {"(", "PCB", "My Board", ")", ""}},
      {"(pcb 'My Board')", {"(", "PCB", "My Board", ")"}},
      // The closing parenthesis read with the last word ends the input before it is delivered.
      {"(pcb board)", {"(", "PCB", "BOARD"}},
  };
  for (const TCase& test : cases) {
    SCOPED_TRACE(test.Input);
    auto parser = ParserOn(test.Input);
    std::vector<std::string> texts;
    while (!parser->EndOfInput()) texts.push_back(parser->NextTokenText());
    EXPECT_EQ(texts, test.Texts);
  }
}
