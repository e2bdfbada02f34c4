#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "model/rules/RuleTestSupport.h"
#include "support/TempFolder.h"

// Real designs: their rule, circuit and layer_rule blocks are read, never skipped, and a
// structure with rule blocks yields board-wide rules.
TEST(RulesCorpus, RuleBlocksOfRealDesignsAreRead) {
  if (!std::filesystem::is_directory(CORPUS_DIR)) GTEST_SKIP() << "no design corpus";
  const std::set<std::string> ruleKeywords = {"RULE", "CIRCUIT", "LAYER_RULE", "CLEARANCE",
                                              "CLEAR", "WIDTH"};
  int designsWithRules = 0;
  for (const auto& entry : std::filesystem::directory_iterator(CORPUS_DIR)) {
    if (entry.path().extension() != ".dsn") continue;
    SCOPED_TRACE(entry.path().filename().string());
    TSpecctraParser check(entry.path().string());
    RegisterKeywords(check);
    if (!check.IsPcbFile()) continue;  // the corpus also holds a file that is no design
    const std::string content = TTempFolder::Read(entry.path().string());
    TRuleText text(content);
    EXPECT_TRUE(text.LoadDesign());
    for (const std::string& line : text.Lines()) {
      const std::size_t at = line.find("from keyword: ");
      if (line.rfind("WARNING: Skipped block", 0) == 0 && at != std::string::npos) {
        EXPECT_EQ(ruleKeywords.count(line.substr(at + 14)), 0u) << line;
      }
    }
    const std::size_t structure = content.find("(structure");
    const std::size_t rule = content.find("(rule", structure);
    if (structure == std::string::npos || rule == std::string::npos ||
        rule > content.find("(library"))
      continue;
    ++designsWithRules;
    EXPECT_FALSE(text.Rules().RulesOfScopeKind(1).empty()) << "the board-wide rules were kept";
  }
  EXPECT_GT(designsWithRules, 0);
}
