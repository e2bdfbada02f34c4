// The design's library section read from text: its members, the via marks of its padstacks
// and the statements it holds for others.
#include <gtest/gtest.h>

#include <string>

#include "model/library/LibraryTestSupport.h"
#include "rtl/TranslationState.h"

namespace {

class DsnLibraryDescriptorTest : public ::testing::Test {
protected:
  void SetUp() override { ResetTranslationState(); }
  void TearDown() override { ResetTranslationState(); }
};

}  // namespace

TEST_F(DsnLibraryDescriptorTest, PadstacksOfOneNameAreAllKeptAndTheFirstIsFound) {
  TLibraryFromText design(
      "(padstack VIA (shape (circle TOP 10))) (padstack 'via' (shape (circle TOP 20)))");
  TSpecctraDSNLibraryDescriptor& library = design.Library();
  ASSERT_EQ(library.PadstackCount(), 2);
  EXPECT_EQ(library.PadstackAt(1)->Name(), "via");
  EXPECT_EQ(design.design.FindPadstack("via"), library.PadstackAt(0));
  EXPECT_EQ(design.design.FindPadstack("VIA"), library.PadstackAt(0));
  EXPECT_EQ(library.PadstackAt(2), nullptr);
  EXPECT_EQ(design.design.FindPadstack("NONE"), nullptr);
}

TEST_F(DsnLibraryDescriptorTest, ViaMarksComeFromTheStructuresViaList) {
  TLibraryFromText design(
      "(padstack V1) (padstack V3) (padstack P) (padstack 'v2')",
      "(via V1 V2 (spare V3))");
  struct Case {
    const char* name;
    bool via, spare;
  };
  for (const Case& c : {Case{"V1", true, false}, Case{"V3", true, true},
                        Case{"P", false, false}, Case{"v2", true, false}}) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(design.Padstack(c.name).IsVia(), c.via);
    EXPECT_EQ(design.Padstack(c.name).IsSpareVia(), c.spare);
  }
}

TEST_F(DsnLibraryDescriptorTest, OtherStatementsAreHeldOrSkippedAndReadingGoesOn) {
  TLibraryFromText design(
      "(directory /lib/a '/lib/b c') (extra_image_directory /extra)\n"
      "(image U1 (pin P 1 0 0))\n"
      "(jumper (length 10))\n"
      "(stray)\n"
      "(padstack AFTER (shape (circle TOP 1)))");
  TSpecctraDSNLibraryDescriptor& library = design.Library();
  EXPECT_EQ(library.Directories(), (std::vector<std::string>{"/LIB/A", "/lib/b c"}));
  EXPECT_EQ(library.ExtraImageDirectory(), "/EXTRA");
  EXPECT_EQ(library.Jumpers().Count(), 1);
  EXPECT_NE(design.design.FindImage("u1"), nullptr) << "images are found ignoring case";
  EXPECT_EQ(design.design.ReportManager().ErrorCount(), 1) << "the stray statement";
  EXPECT_NE(design.design.FindPadstack("AFTER"), nullptr);
}
