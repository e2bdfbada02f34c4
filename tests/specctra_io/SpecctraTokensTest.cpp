#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "common/AsciiText.h"
#include "specctra_io/LexerTestSupport.h"
#include "specctra_io/SpecctraTokens.h"

static_assert(KeywordId("absolute") == 1);
static_assert(KeywordId("pcb") == 279 && tkPcb == 279);
static_assert(KeywordId("string_quote") == 409 && tkStringQuote == 409);
static_assert(KeywordId("on") == 259 && tkOn == 259);
static_assert(KeywordId("y") == 500);
static_assert(KeywordId("Pin_Pin") == 501 && KeywordId("WirePlow") == 538 &&
              tkLastKeywordId == 538);
static_assert(KeywordId("CIRCLE") == 49 && KeywordId("circ") == 49);
static_assert(KeywordId("direct") == 99 && KeywordId("Direction") == 99);
static_assert(KeywordId("poly") == 308 && KeywordId("polygon") == 308);
static_assert(KeywordId("Area_Smd") == 15 && KeywordId("Via_Via") == 479);
static_assert(KeywordId("Smd_TestPoint") == 519 && KeywordId("Via_Wire") == 522);

TEST(SpecctraTokens, TheTableIsComplete) {
  const auto& registrations = KeywordRegistrations();
  EXPECT_EQ(registrations.size(), 541u);

  std::map<std::string, int32_t> firstIdOfWord;
  for (const TKeywordRegistration& registration : registrations)
    firstIdOfWord.emplace(AsciiUpperText(registration.Word), registration.Id);
  EXPECT_EQ(firstIdOfWord.size(), 539u) << "distinct words, letter case ignored";

  std::set<int32_t> ids;
  for (const auto& [word, id] : firstIdOfWord) ids.insert(id);
  for (int32_t id = 1; id <= 538; ++id) {
    SCOPED_TRACE(id);
    EXPECT_EQ(ids.count(id), (id == 518 || id == 521) ? 0u : 1u);
  }
  EXPECT_EQ(*ids.begin(), 1);
  EXPECT_EQ(*ids.rbegin(), 538);
}

TEST(SpecctraTokens, KnownIdsThroughTheLexer) {
  struct TCase {
    const char* Word;
    int32_t Id;
  };
  const TCase cases[] = {
      {"absolute", 1},
      {"area_smd", 15},
      {"AREA_SMD", 15},
      {"Area_Smd", 15},
      {"CIRCLE", 49},
      {"circ", 49},
      {"Circle", 49},
      {"direct", 99},
      {"DIRECTION", 99},
      {"on", 259},
      {"pcb", 279},
      {"PCB", 279},
      {"plus-pat", 304},
      {"poly", 308},
      {"polygon", 308},
      {"rss", 356},
      {"string_quote", 409},
      {"via_via", 479},
      {"y", 500},
      {"pin_pin", 501},
      {"smd_area", 517},
      {"smd_testpoint", 519},
      {"via_wire", 522},
      {"wireplow", 538},
      {"via_smd", 514},
      {"smd_via", 513},
      {"area_pin", 509},
      {"qz", 0},
  };
  for (const TCase& test : cases) {
    SCOPED_TRACE(test.Word);
    auto parser = ParserOn(test.Word);
    EXPECT_EQ(parser->NextToken(), test.Id);
    EXPECT_TRUE(parser->IsKeyword());
  }
}

TEST(SpecctraTokens, EveryWordGivesTheIdOfItsFirstRegistration) {
  auto parser = ParserOn("");
  std::map<std::string, int32_t> firstIdOfWord;
  for (const TKeywordRegistration& registration : KeywordRegistrations())
    firstIdOfWord.emplace(AsciiUpperText(registration.Word), registration.Id);
  for (const TKeywordRegistration& registration : KeywordRegistrations()) {
    SCOPED_TRACE(std::string(registration.Word));
    const std::string upper = AsciiUpperText(registration.Word);
    EXPECT_EQ(parser->LookupKeyword(registration.Word), firstIdOfWord[upper]);
    EXPECT_EQ(parser->LookupKeyword(upper), firstIdOfWord[upper]);
  }
  EXPECT_EQ(parser->LookupKeyword("pin_smd_x"), tkUnknownWord);
}
