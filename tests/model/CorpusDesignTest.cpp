#include <gtest/gtest.h>

#include <filesystem>

#include "model/files/SpecctraDesign.h"
#include "rtl/TranslationState.h"
#include "specctra_io/SpecctraParser.h"
#include "support/CorpusFolder.h"

// Every real design (a file beginning with "(pcb") reads to its closing parenthesis as a design, whatever it holds.
TEST(CorpusDesigns, ReadToTheirEnd) {
  const auto corpus = CorpusFolder();
  if (!corpus) GTEST_SKIP() << "no design corpus";
  int designs = 0;
  for (const auto& entry : std::filesystem::directory_iterator(*corpus)) {
    if (entry.path().extension() != ".dsn") continue;
    SCOPED_TRACE(entry.path().filename().string());
    ResetTranslationState();
    TSpecctraParser check(entry.path().string());
    RegisterKeywords(check);
    if (!check.IsPcbFile()) continue;  // the corpus also holds a file that is no design
    TSpecctraParser parser(entry.path().string());
    RegisterKeywords(parser);
    TSpecctraDesign design(0, &parser, entry.path().string());
    EXPECT_TRUE(design.LoadFromFile());
    EXPECT_TRUE(design.BlockDepth() == 0 || parser.EndOfInput()) << "read to its closing parenthesis";
    ++designs;
  }
  ResetTranslationState();
  EXPECT_GT(designs, 0);
}
