#include <gtest/gtest.h>

#include <memory>

#include "model/files/SpecctraDesign.h"
#include "model/files/SpecctraRoutes.h"
#include "rtl/TranslationState.h"
#include "specctra_io/SpecctraParser.h"
#include "specctra_io/SpecctraWriter.h"
#include "support/TempFolder.h"

namespace {

// A design read from text, without a board.
struct TDesignFromText {
  explicit TDesignFromText(const std::string& text, const std::string& fileName = "demo.dsn")
      : parser(std::make_unique<TInputFile>(fileName, text)), design(0, &parser, fileName) {
    RegisterKeywords(parser);
  }
  const std::vector<std::string>& Lines() { return design.ReportManager().Lines(); }
  TSpecctraParser parser;
  TSpecctraDesign design;
};

class SpecctraDesignTest : public ::testing::Test {
protected:
  void SetUp() override { ResetTranslationState(); }
  void TearDown() override { ResetTranslationState(); }
};

bool HasLine(const std::vector<std::string>& lines, const std::string& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

}  // namespace

TEST_F(SpecctraDesignTest, OnlyFilesOpeningWithPcbAreDesigns) {
  struct Case {
    const char* text;
    bool loads;
    const char* error;
  };
  const Case cases[] = {
      {"(PCB demo)", true, nullptr},
      {"(routes demo)", false, "ERROR: Not a valid DSN file. Expected <pcb> as second keyword."},
      {"pcb demo", false, "ERROR: Not a valid DSN file."},
      {"", false, "ERROR: Not a valid DSN file."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    TDesignFromText design(c.text);
    EXPECT_EQ(design.design.LoadFromFile(), c.loads);
    if (c.error) {
      EXPECT_TRUE(HasLine(design.Lines(), c.error));
    }
  }
}

TEST_F(SpecctraDesignTest, ReadsUnitsResolutionsAndSkipsWhatItDoesNotTranslate) {
  TDesignFromText design(
      "(pcb \"My Board\"\n"
      "  (parser (string_quote \") (host_cad \"Tool\") (constant A 1) (constant B two))\n"
      "  (resolution mil 10)\n"
      "  (colors (color 1 red))\n"
      "  (capacitance_resolution pfarad 5)\n"
      "  (floor_plan (cluster A))\n"
      ")\n");
  EXPECT_TRUE(design.design.LoadFromFile());
  EXPECT_EQ(design.design.UnitKind(), uMil) << "the resolution's unit while none is set";
  EXPECT_EQ(design.design.DimensionResolution().Resolution(), 10);
  const TSpecctraParserDescriptor& parser = design.design.ParserSection();
  EXPECT_EQ(parser.QuoteChar(), '"');
  EXPECT_EQ(parser.HostCad(), "Tool");
  ASSERT_EQ(parser.Constants().size(), 2u);
  EXPECT_EQ(parser.Constants()[1].Name, "B");
  EXPECT_EQ(parser.Constants()[1].Value, "TWO");
  const auto& lines = design.Lines();
  EXPECT_TRUE(HasLine(lines, "Custom color settings are not supported and not loaded."));
  EXPECT_TRUE(HasLine(lines, "WARNING: Skipped block between lines: 6-6, from keyword: FLOOR_PLAN"));
  EXPECT_EQ(design.design.ReportManager().ErrorCount(), 0);
}

TEST_F(SpecctraDesignTest, UnitStatementWinsOverTheResolutionUnit) {
  TDesignFromText design("(pcb d (resolution mil 10) (unit inch) (structure (unit mm)))");
  EXPECT_TRUE(design.design.LoadFromFile());
  EXPECT_EQ(design.design.UnitKind(), uInch);
  EXPECT_EQ(design.design.StructureSection()->UnitKind(), uMm);
}

TEST_F(SpecctraDesignTest, QuoteCharactersOtherThanTheUsualOnesAreWarnedAbout) {
  for (const auto& [quote, warns] : std::vector<std::pair<std::string, bool>>{
           {"\"", false}, {"$", false}, {"'", false}, {"#", true}}) {
    SCOPED_TRACE(quote);
    TDesignFromText design("(pcb d (parser (string_quote " + quote + ")))");
    design.design.LoadFromFile();
    EXPECT_EQ(design.design.ParserSection().QuoteChar(), quote[0]);
    EXPECT_EQ(HasLine(design.Lines(), "WARNING: Recommended quote chars are: '', \" , $."), warns);
  }
}

TEST_F(SpecctraDesignTest, ViaStatementMarksSpareViasAndStopsOnOtherKeywords) {
  TDesignFromText spare("(pcb d (structure (via V1 V2 (spare V3)) (unit mm)))");
  spare.design.LoadFromFile();
  const auto& names = spare.design.DsnStructure()->ViaPadstackNames();
  ASSERT_EQ(names.size(), 3u);
  EXPECT_EQ(names[0].Name, "V1");
  EXPECT_FALSE(names[1].Spare);
  EXPECT_TRUE(names[2].Spare);
  EXPECT_EQ(spare.design.StructureSection()->UnitKind(), uMm) << "loading went on after it";

  ResetTranslationState();
  TDesignFromText other("(pcb d (structure (via V1 (other V2)) (unit mm)) (network))");
  other.design.LoadFromFile();
  EXPECT_TRUE(TranslationState().AbortParsing);
  EXPECT_EQ(other.design.DsnStructure()->ViaPadstackNames().size(), 1u);
  EXPECT_NE(other.design.StructureSection()->UnitKind(), uMm);
  EXPECT_TRUE(HasLine(other.Lines(), "ERROR: Unexpected token <OTHER> in line 1"));
}

TEST_F(SpecctraDesignTest, SmallDesignsAreOffsetToTheLowMarginWithAWarning) {
  TDesignFromText design("(pcb d (structure (unit mil)))");
  design.design.LoadFromFile();
  EXPECT_EQ(TranslationState().BoardOffsetX, 20000000);
  EXPECT_EQ(TranslationState().BoardOffsetY, 20000000);
  EXPECT_TRUE(HasLine(design.Lines(),
                      "WARNING: Board offseted to fit in Velor workspace. Please check current "
                      "board origin"));
}

TEST_F(SpecctraDesignTest, FileStatementsContinueInAnotherFileButNeverLoop) {
  TTempFolder folder;
  folder.Write("part.dsn", "(unit mm) (file 'main.dsn')");
  const std::string main = folder.Write("main.dsn", "(pcb d (unit inch) (file part.dsn) (unit mil))");
  TSpecctraParser parser(main);
  RegisterKeywords(parser);
  TSpecctraDesign design(0, &parser, main);
  EXPECT_TRUE(design.LoadFromFile());
  EXPECT_EQ(design.UnitKind(), uMm) << "the rest of main.dsn is not read after the file statement";
  EXPECT_EQ(design.ReportManager().ErrorCount(), 1);
  EXPECT_NE(design.ReportManager().Lines().back().find("main.dsn"), std::string::npos);

  const std::string missing = folder.Write("missing.dsn", "(pcb d (file nowhere.dsn))");
  TSpecctraParser parser2(missing);
  RegisterKeywords(parser2);
  TSpecctraDesign design2(0, &parser2, missing);
  EXPECT_THROW(design2.LoadFromFile(), std::runtime_error);
}

TEST(SpecctraRoutes, RoutesFilesOpenWithTheResolutionAndTheSections) {
  ResetTranslationState();
  TSpecctraWriter writer("board.rte");
  TSpecctraRoutes routes(0, &writer, "board.rte");
  routes.ImportFromPcb();
  EXPECT_TRUE(routes.ExportToFile());
  EXPECT_EQ(writer.Buffer(),
            "(routes \r\n"
            "  (resolution mm  100000)\r\n"
            "  (parser \r\n"
            "  )\r\n"
            "  (structure_out \r\n"
            "  )\r\n"
            "  (library_out \r\n"
            "  )\r\n"
            "  (network_out \r\n"
            "  )\r\n"
            "  (test_points \r\n"
            "  )\r\n"
            ")\r\n");
  ResetTranslationState();
}

TEST(SpecctraRoutes, SessionsNameTheirFileAndBaseDesignWithUnderscores) {
  ResetTranslationState();
  TSpecctraWriter writer("my board.ses");
  TSpecctraSessionFile session(0, &writer, "/tmp/my dir/my board.ses");
  session.ImportFromPcb();
  session.ExportToFile();
  const std::string& text = writer.Buffer();
  EXPECT_EQ(text.rfind("(session /tmp/my_dir/my_board.ses\r\n"
                       "    (base_design /tmp/my_dir/my_board.dsn)\r\n"
                       "    (placement \r\n"
                       "      (resolution mm  100000)\r\n"
                       "    )\r\n"
                       "    (routes \r\n",
                       0),
            0u)
      << text;
  EXPECT_EQ(text.substr(text.size() - 3), ")\r\n");
  ResetTranslationState();
}

// From-to terminals look components up in the placement read before the network.
TEST_F(SpecctraDesignTest, FindsThePlacedComponentsByDesignator) {
  TDesignFromText design(
      "(pcb d (placement (component DIP (place U1 0 0 front 0)))\n"
      "  (network (net A (pins U2-1) (fromto U1 U2-1))))");
  design.design.LoadFromFile();
  EXPECT_NE(design.design.FindComponent("u1"), nullptr);
  EXPECT_EQ(design.design.FindComponent("U2"), nullptr);
  EXPECT_TRUE(HasLine(design.Lines(),
                      "WARNING: Component ref. not supported in from-to definition. Line: 2"));
}
