#include <gtest/gtest.h>

#include <stdexcept>

#include "model/files/ResolutionDescriptors.h"
#include "rtl/TranslationState.h"
#include "report/ReportManager.h"
#include "specctra_io/SpecctraParser.h"
#include "specctra_io/SpecctraWriter.h"

namespace {

// Parses the rest of one resolution statement from text that follows its keyword.
struct TStatement {
  explicit TStatement(const std::string& text)
      : parser(std::make_unique<TInputFile>("r.dsn", text)), report("r.dsn") {
    RegisterKeywords(parser);
    parser.SetReport(&report);
  }
  TSpecctraParser parser;
  TReportManager report;
};

// A top object that hands out the statement's parser and report.
class TOwner : public TSpecctraObject {
public:
  explicit TOwner(TStatement& statement) : TSpecctraObject(nullptr) {
    SetParser(&statement.parser);
    SetReport(&statement.report);
  }
};

}  // namespace

TEST(ResolutionDescriptors, ReadTheirUnitWordsAndValues) {
  TStatement statement("mil 1000) next");
  TOwner owner(statement);
  TDimensionResolutionDescriptor dimension(&owner);
  EXPECT_EQ(dimension.Unit(), uInch);
  EXPECT_EQ(dimension.Resolution(), 2540000);
  EXPECT_TRUE(dimension.LoadFromFile());
  EXPECT_EQ(dimension.Unit(), uMil);
  EXPECT_EQ(dimension.Resolution(), 1000);
  EXPECT_EQ(statement.parser.NextTokenText(), "NEXT");

  TStatement electrical("pfarad 7)");
  TOwner owner2(electrical);
  TCapacitanceResolutionDescriptor capacitance(&owner2);
  EXPECT_EQ(capacitance.UnitCode(), 3);
  EXPECT_TRUE(capacitance.LoadFromFile());
  EXPECT_EQ(capacitance.UnitCode(), 4);
  EXPECT_EQ(capacitance.Resolution(), 7);
}

TEST(ResolutionDescriptors, AWordOfAnotherKindIsUnexpected) {
  TStatement statement("volt 10)");
  TOwner owner(statement);
  TTimeResolutionDescriptor time(&owner);
  EXPECT_FALSE(time.LoadFromFile()) << "the number after VOLT is read as a token too";
  EXPECT_EQ(statement.report.ErrorCount(), 2);
}

TEST(ResolutionDescriptors, NonPositiveValuesRaiseTheRangeError) {
  for (const char* text : {"mm 0)", "mm -5)"}) {
    SCOPED_TRACE(text);
    TStatement statement(text);
    TOwner owner(statement);
    TDimensionResolutionDescriptor dimension(&owner);
    try {
      dimension.LoadFromFile();
      ADD_FAILURE() << "no range error";
    } catch (const std::range_error& error) {
      const std::string value = std::string(text).substr(3, std::string(text).size() - 4);
      EXPECT_EQ(error.what(), value + " is not allowed value.  Value must be positive integer");
    }
  }
  TDimensionResolutionDescriptor dimension(nullptr);
  EXPECT_NO_THROW(dimension.SetResolution(-1));
}

// A missing or malformed value used to read as 0 and end the whole import with the range
// error; it is reported once and the default is kept.
TEST(ResolutionDescriptors, AMissingOrMalformedValueKeepsTheDefault) {
  for (const char* text : {"mil) next", "mil 1.5) next", "mil abc) next"}) {
    SCOPED_TRACE(text);
    TStatement statement(text);
    TOwner owner(statement);
    TDimensionResolutionDescriptor dimension(&owner);
    EXPECT_NO_THROW(dimension.LoadFromFile());
    EXPECT_EQ(dimension.Resolution(), 2540000);
    EXPECT_EQ(statement.report.ErrorCount(), 1);
    ASSERT_FALSE(statement.report.Lines().empty());
    EXPECT_NE(statement.report.Lines().back().find("Integer value expected"), std::string::npos);
    EXPECT_EQ(statement.parser.NextTokenText(), "NEXT") << "the statement's ) closed it";
  }
}

TEST(ResolutionDescriptors, DimensionWritesMillimetresAndFixesTheScale) {
  ResetTranslationState();
  TSpecctraWriter writer("unused.rte");
  TStatement statement("");
  TOwner owner(statement);
  TDimensionResolutionDescriptor dimension(&owner);
  struct TWriting : TSpecctraObject {
    TWriting(TSpecctraWriter* w) : TSpecctraObject(nullptr) { SetWriter(w); }
  } writing(&writer);
  TDimensionResolutionDescriptor written(&writing);
  writer.IndentIn(1);
  EXPECT_TRUE(written.ExportToFile());
  EXPECT_EQ(writer.Buffer(), "  (resolution mm  100000)\r\n");
  EXPECT_DOUBLE_EQ(TranslationState().ResolutionScale, 0.254);
  ResetTranslationState();
}

TEST(ResolutionDescriptors, UnitWordsMapToUnitsAndOthersToMilsWithAWarning) {
  TStatement statement("");
  TOwner owner(statement);
  EXPECT_EQ(UnitFromToken(owner, KeywordId("um")), uUm);
  EXPECT_EQ(UnitFromToken(owner, KeywordId("inch")), uInch);
  EXPECT_EQ(UnitFromToken(owner, KeywordId("ohm")), uMil);
  EXPECT_EQ(statement.report.Lines(),
            std::vector<std::string>{"WARNING: Unknown unit token, mils will be used"});
}
