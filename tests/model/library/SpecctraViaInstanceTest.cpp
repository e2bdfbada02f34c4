// Vias read from a file and written back, and the choice of a library padstack for a host via.
#include <gtest/gtest.h>

#include <vector>

#include "model/geometry/ShapeTestSupport.h"
#include "model/library/SpecctraViaInstance.h"
#include "rtl/TranslationState.h"

namespace {

struct TParsedVia {
  std::unique_ptr<TShapeTestTop> Top;
  std::unique_ptr<TSpecctraViaInstance> Via;
  bool Result = false;
  // The token read after the via's block: the via consumed exactly its own block.
  std::string Next;
};

TParsedVia ParseVia(const std::string& text) {
  TParsedVia parsed;
  parsed.Top = std::make_unique<TShapeTestTop>(text + " NEXT");
  parsed.Top->EnterBlock();
  parsed.Via = std::make_unique<TSpecctraViaInstance>(parsed.Top.get());
  parsed.Result = parsed.Via->LoadFromFile();
  parsed.Top->Lexer().NextToken();
  parsed.Next = parsed.Top->Lexer().TokenText();
  return parsed;
}

}  // namespace

TEST(SpecctraViaInstance, ReadsEveryStatement) {
  const TParsedVia parsed = ParseVia(
      "(via VIA20 100.5 -200 (net GND) (type protect) (via_number 300) (contact L1 L2) "
      "(attr virtual_pin VP1) (supply))");
  ASSERT_TRUE(parsed.Result);
  EXPECT_EQ(parsed.Next, "NEXT");
  const TSpecctraViaInstance& via = *parsed.Via;
  EXPECT_EQ(via.PadstackName(), "VIA20");
  EXPECT_EQ(via.Position().X, 100.5);
  EXPECT_EQ(via.Position().Y, -200);
  EXPECT_EQ(via.NetName(), "GND");
  EXPECT_EQ(via.Type(), wtProtect);
  EXPECT_EQ(via.ViaNumber(), 44) << "the low 8 bits of 300";
  EXPECT_EQ(via.Contact(), " L1 L2");
  EXPECT_EQ(via.Attribute(), TSpecctraViaInstance::kAttrVirtualPin);
  EXPECT_EQ(via.VirtualPinName(), "VP1");
  EXPECT_TRUE(via.Supply());
}

TEST(SpecctraViaInstance, AVirtualPinBlockNamesTheViaAndMovesIt) {
  const TParsedVia parsed = ParseVia("(via V 1 2 (virtual_pin VP7 30 40 (net N)) (net S))");
  ASSERT_TRUE(parsed.Result);
  EXPECT_EQ(parsed.Next, "NEXT");
  EXPECT_EQ(parsed.Via->Name(), "VP7");
  EXPECT_EQ(parsed.Via->Position().X, 30);
  EXPECT_EQ(parsed.Via->Position().Y, 40);
  EXPECT_EQ(parsed.Via->NetName(), "S") << "the virtual pin's net is passed over";
}

TEST(SpecctraViaInstance, MalformedStatementsFailAndKeepTheBlockDepth) {
  const char* cases[] = {
      "(via V 1 2 (type sometimes))", "(via V 1 2 (attr other))",
      "(via V 1 2 (net))",           "(via V (width 3) 1 2)",
  };
  for (const char* text : cases) {
    SCOPED_TRACE(text);
    const TParsedVia parsed = ParseVia(text);
    EXPECT_FALSE(parsed.Result);
    EXPECT_EQ(parsed.Next, "NEXT");
  }
  // A word or a statement the via does not know is reported and passed over.
  for (const char* text : {"(via V 1 2 3)", "(via V 1 2 (net A) (x (y)) (net B))"}) {
    SCOPED_TRACE(text);
    const TParsedVia parsed = ParseVia(text);
    EXPECT_TRUE(parsed.Result);
    EXPECT_EQ(parsed.Next, "NEXT");
  }
}

TEST(SpecctraViaInstance, WritesPadstackPositionNumberAndContacts) {
  ResetTranslationState();
  struct TCase {
    const char* Via;
    const char* Written;
  };
  const TCase cases[] = {
      {"(via VIA20 100 200)", "(via VIA20 100 200 )\r\n"},
      {"(via VIA20 100 200 (via_number 300))", "(via VIA20 100 200 (via_number 44))\r\n"},
      {"(via 'V 1' 1 2 (contact P1 P3) (net X) (type fix))",
       "(via 'V 1' 1 2 (contact  P1 P3))\r\n"},
  };
  for (const TCase& test : cases) {
    SCOPED_TRACE(test.Via);
    const TParsedVia parsed = ParseVia(test.Via);
    ASSERT_TRUE(parsed.Result) << ::testing::PrintToString(parsed.Top->Lines());
    parsed.Via->ExportToFile();
    EXPECT_EQ(parsed.Top->Written(), test.Written);
  }
}

namespace {

TViaPadstackFacts ViaPadstack(std::string name, int32_t diameter, bool spare = false,
                              PcbLayerNumber top = kTopLayer,
                              PcbLayerNumber bottom = kBottomLayer) {
  return {std::move(name), true, spare, true, top, bottom, diameter};
}

const char* Chosen(const std::vector<TViaPadstackFacts>& padstacks, int32_t size,
                   bool allowSpare = false) {
  const TViaPadstackFacts* best =
      ChooseBestViaPadstack(padstacks, kBottomLayer, kTopLayer, size, allowSpare);
  return best ? best->Name.c_str() : "none";
}

}  // namespace

TEST(BestViaPadstack, ExactElseClosestSmallerElseFirstOnTheSpan) {
  constexpr int32_t kMil = 10000;
  const std::vector<TViaPadstackFacts> sizes = {ViaPadstack("V50", 50 * kMil),
                                                ViaPadstack("V36", 36 * kMil),
                                                ViaPadstack("V30", 30 * kMil)};
  EXPECT_STREQ(Chosen(sizes, 40 * kMil), "V36");
  std::vector<TViaPadstackFacts> withExact = sizes;
  withExact.push_back(ViaPadstack("V40", 40 * kMil));
  EXPECT_STREQ(Chosen(withExact, 40 * kMil), "V40");
  EXPECT_STREQ(Chosen({ViaPadstack("V50", 50 * kMil), ViaPadstack("V60", 60 * kMil)}, 40 * kMil),
               "V50")
      << "only larger ones: the first";

  TViaPadstackFacts notVia = ViaPadstack("PAD", 40 * kMil);
  notVia.IsVia = false;
  TViaPadstackFacts noGeometry = ViaPadstack("BAD", 40 * kMil);
  noGeometry.HasGeometry = false;
  const std::vector<TViaPadstackFacts> passedOver = {
      notVia, noGeometry, ViaPadstack("BURIED", 40 * kMil, false, 2, kBottomLayer),
      ViaPadstack("SPARE", 40 * kMil, true)};
  EXPECT_STREQ(Chosen(passedOver, 40 * kMil), "none");
  EXPECT_STREQ(Chosen(passedOver, 40 * kMil, true), "SPARE") << "spare with a via number";
}
