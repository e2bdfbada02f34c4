// Bad input of every kind: the lexer reads it to the end without crashing, hanging or
// reading out of bounds (these tests matter most under the asan preset).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "report/ReportManager.h"
#include "specctra_io/LexerTestSupport.h"
#include "support/CorpusFolder.h"
#include "support/TempFolder.h"

namespace {

// Reads the whole input with a mix of every reader, as block parsers would on broken input,
// and checks what must hold for any input.
void ReadToTheEnd(std::string_view text) {
  auto parser = ParserOn(text);
  TReportManager report("bad.dsn");
  parser->SetReport(&report);
  // Every read consumes a byte or ends the input, so this bound is never reached.
  const std::size_t limit = 2 * text.size() + 16;
  std::size_t reads = 0;
  for (; !parser->EndOfInput() && reads < limit; ++reads) {
    switch (reads % 11) {
      case 3: parser->ReadFloat(); break;
      case 5: parser->ReadInteger(); break;
      case 7: parser->ReadOnOff(); break;
      case 9: parser->SkipBlockChars(); break;
      case 10: parser->SkipBlock(); break;
      default: parser->NextToken(); break;
    }
    ASSERT_LE(parser->TokenText().size(), 255u);
  }
  ASSERT_TRUE(parser->EndOfInput()) << "stopped after " << reads << " reads";
  // A parenthesis read ahead by the last word may still be delivered; then only empty words.
  if (parser->NextToken() == tkCloseParen) parser->NextToken();
  EXPECT_EQ(parser->CurrentId(), tkUnknownWord);
  EXPECT_EQ(parser->TokenText(), "");
}

std::string Binary(std::size_t size, uint32_t seed) {
  std::string bytes(size, '\0');
  for (char& byte : bytes) {
    seed = seed * 1664525u + 1013904223u;
    byte = static_cast<char>(seed >> 24);
  }
  return bytes;
}

}  // namespace

TEST(LexerRobustness, BadInputIsReadToTheEnd) {
  struct TCase {
    const char* Name;
    std::string Input;
  };
  const std::vector<TCase> cases = {
      {"empty", ""},
      {"binary", Binary(64 * 1024, 7)},
      {"binary with many parentheses", Binary(4096, 11) + std::string(300, '(') + Binary(512, 3)},
      {"NUL bytes", std::string("(pcb \0 x '\0' \0)", 16)},
      {"only NUL bytes", std::string(1000, '\0')},
      {"unterminated string", "(pcb 'never closed \\' (x)"},
      {"unterminated block", "(pcb (structure (layer"},
      {"string that ends on a backslash", "(a 'b\\"},
      {"long word", "(x " + std::string(100000, 'w') + ")"},
      {"long string", "(x '" + std::string(100000, 's') + "')"},
      {"long comment line", "#" + std::string(100000, 'c')},
      {"long run of blanks", "(x" + std::string(100000, ' ') + "y)"},
      {"long run of line breaks", "(x" + std::string(100000, '\n') + "y)"},
      {"blank markers", std::string(1000, '\x1F')},
      {"string_quote at the end", "(string_quote"},
      {"string_quote then blanks", "(string_quote   "},
      {"string_quote then a tab", "(string_quote \t"},
      {"only tabs", "\t\t\t"},
      {"numbers out of range", "(x 99999999999999999999 1e400 -1e400 inf nan 0x1FFFFFFFF)"},
  };
  for (const TCase& test : cases) {
    SCOPED_TRACE(test.Name);
    ReadToTheEnd(test.Input);
  }
}

TEST(LexerRobustness, DeepNestingIsSkippedWithoutRecursion) {
  const std::size_t depth = 100000;
  const std::string nested = std::string(depth, '(') + "x" + std::string(depth, ')') + " after";

  auto byTokens = ParserOn(nested);
  byTokens->NextToken();
  byTokens->SkipBlock();
  EXPECT_EQ(byTokens->NextTokenText(), "AFTER");

  auto byBytes = ParserOn(nested);
  byBytes->NextToken();
  byBytes->SkipBlockChars();
  EXPECT_EQ(byBytes->NextTokenText(), "AFTER");

  auto unclosed = ParserOn(std::string(depth, '('));
  unclosed->NextToken();
  unclosed->SkipBlock();
  EXPECT_TRUE(unclosed->EndOfInput());
}

TEST(LexerRobustness, EmptyFileOnDisk) {
  TTempFolder folder;
  TSpecctraParser parser(folder.Write("empty.dsn", ""));
  RegisterKeywords(parser);
  EXPECT_TRUE(parser.EndOfInput());
  EXPECT_FALSE(parser.IsPcbFile());
}

// Every prefix of real designs: each truncated file is read to its end.
TEST(LexerRobustness, TruncationSweepOverRealDesigns) {
  const auto corpus = CorpusFolder();
  if (!corpus) GTEST_SKIP() << "no design corpus";
  const std::filesystem::path small = *corpus / "Issue756-minimal-ok.dsn";
  const std::filesystem::path large = *corpus / "Issue103-Board-Routed.dsn";
  if (!std::filesystem::exists(small) || !std::filesystem::exists(large))
    GTEST_SKIP() << "the corpus lacks " << small.filename() << " or " << large.filename();
  const std::string smallText = TTempFolder::Read(small.string());
  const std::string largeHead = TTempFolder::Read(large.string()).substr(0, 4096);
  for (const std::string* text : {&smallText, &largeHead}) {
    for (std::size_t length = 0; length <= text->size(); ++length) {
      SCOPED_TRACE(length);
      ReadToTheEnd(std::string_view(*text).substr(0, length));
      if (HasFatalFailure()) return;
    }
  }
}

// Every design of the corpus is read to its end with balanced parentheses.
TEST(LexerRobustness, CorpusDesignsBalance) {
  const auto corpus = CorpusFolder();
  if (!corpus) GTEST_SKIP() << "no design corpus";
  int designs = 0;
  for (const auto& entry : std::filesystem::directory_iterator(*corpus)) {
    if (entry.path().extension() != ".dsn") continue;
    SCOPED_TRACE(entry.path().filename().string());
    TSpecctraParser parser(entry.path().string());
    RegisterKeywords(parser);
    const bool isDesign = parser.IsPcbFile();  // one file of the corpus is binary
    int64_t depth = 1;
    int64_t lowest = 1;
    for (;;) {
      const int32_t id = parser.NextToken();
      if (id == tkUnknownWord && parser.TokenText().empty() && parser.EndOfInput()) break;
      if (id == tkOpenParen) ++depth;
      if (id == tkCloseParen) lowest = std::min(lowest, --depth);
    }
    if (!isDesign) continue;
    ++designs;
    EXPECT_EQ(depth, 0);
    EXPECT_EQ(lowest, 0);
  }
  EXPECT_GT(designs, 100);
}
