#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "common/AsciiText.h"
#include "model/base/SpecctraList.h"
#include "model/base/SpecctraObject.h"
#include "rtl/TranslationState.h"
#include "report/ReportManager.h"
#include "specctra_io/SpecctraParser.h"

namespace {

// A Specctra object that gives its parser and report to the objects below it, as a file does.
class TTopObject : public TSpecctraObject {
public:
  explicit TTopObject(const std::string& text)
      : TSpecctraObject(nullptr),
        FParserOwned(std::make_unique<TInputFile>("test.dsn", text)),
        FReportOwned("test.dsn") {
    RegisterKeywords(FParserOwned);
    FParserOwned.SetReport(&FReportOwned);
    SetParser(&FParserOwned);
    SetReport(&FReportOwned);
  }
  TSpecctraParser& Lexer() { return FParserOwned; }
  TReportManager& Log() { return FReportOwned; }

private:
  TSpecctraParser FParserOwned;
  TReportManager FReportOwned;
};

// An element that handles (width n) and leaves everything else to the base.
class TWidthElement : public TSpecctraObject {
public:
  using TSpecctraObject::TSpecctraObject;
  bool LoadFromFile() override {
    return RunParseLoop([this](int32_t id) {
      if (id != KeywordId("width")) return false;
      Width = Parser()->ReadFloat();
      return true;
    });
  }
  double Width = 0;
};

class SpecctraObjectTest : public ::testing::Test {
protected:
  void SetUp() override { ResetTranslationState(); }
};

}  // namespace

TEST_F(SpecctraObjectTest, ParseLoopEndsAtItsOwnClosingParenthesis) {
  TTopObject top("(layer (width 5) (type signal)) (next)");
  top.Lexer().NextToken();  // (
  top.Lexer().NextToken();  // layer
  TWidthElement element(&top);
  EXPECT_FALSE(element.LoadFromFile()) << "the unhandled statement makes the result false";
  EXPECT_EQ(element.Width, 5);
  EXPECT_EQ(element.BlockDepth(), 0);
  EXPECT_EQ(top.Lexer().NextTokenText(), "(");
  EXPECT_EQ(top.Lexer().NextTokenText(), "NEXT");
  EXPECT_EQ(top.Log().Lines(), (std::vector<std::string>{
                                   "ERROR: Unexpected token <TYPE> in line 1",
                                   "ERROR: Unexpected token <SIGNAL> in line 1"}));
}

TEST_F(SpecctraObjectTest, TokensAfterAFailureStillCountParentheses) {
  TTopObject top("(a bad (b (c)) (width 2)) tail");
  top.Lexer().NextToken();
  top.Lexer().NextToken();
  TWidthElement element(&top);
  EXPECT_FALSE(element.LoadFromFile());
  EXPECT_EQ(element.Width, 2);
  EXPECT_EQ(top.Lexer().NextTokenText(), "TAIL");
}

TEST_F(SpecctraObjectTest, UnknownBlocksAreSkippedWithTheirLinesAndKeyword) {
  TTopObject top("(layer\n(property (a 1)\n (b (c 2)))\n(width 3))");
  top.Lexer().NextToken();
  top.Lexer().NextToken();
  TWidthElement element(&top);
  ASSERT_EQ(element.Parser()->NextToken(), tkOpenParen);
  element.HandleToken();
  element.Parser()->NextToken();  // property
  EXPECT_TRUE(element.LoadProperty());
  EXPECT_TRUE(element.LoadFromFile());
  EXPECT_EQ(element.Width, 3);
  ASSERT_EQ(top.Log().Lines().size(), 1u);
  EXPECT_EQ(top.Log().Lines()[0],
            "WARNING: Skipped block between lines: 2-3, from keyword: PROPERTY");
}

TEST_F(SpecctraObjectTest, AbortParsingStopsEveryLoop) {
  TTopObject top("(a (width 1) (width 2))");
  top.Lexer().NextToken();
  top.Lexer().NextToken();
  TWidthElement element(&top);
  TranslationState().AbortParsing = true;
  EXPECT_TRUE(element.LoadFromFile());
  EXPECT_EQ(element.Width, 0);
}

TEST_F(SpecctraObjectTest, UnitComesFromTheOwnerChainAndIsKept) {
  TTopObject top("");
  TSpecctraObject middle(&top);
  TSpecctraObject leaf(&middle);
  EXPECT_EQ(leaf.UnitKind(), uNone);
  top.SetUnitKind(uMm);
  EXPECT_EQ(leaf.UnitKind(), uMm);
  top.SetUnitKind(uInch);
  EXPECT_EQ(leaf.UnitKind(), uMm) << "looked up once, then kept";
  EXPECT_EQ(leaf.TopObject(), &top);
}

TEST_F(SpecctraObjectTest, ConversionsWarnOnUnknownUnitsAndReportOverflow) {
  TTopObject top("");
  TSpecctraObject leaf(&top);
  EXPECT_EQ(leaf.ToBoardLength(2), 20000);
  leaf.SetUnitKind(uInch);
  EXPECT_EQ(leaf.ToBoardX(1e9), INT32_MAX);
  const auto& lines = top.Log().Lines();
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], "WARNING: Unknown dimension unit type, assuming mils. TSpecctraObject");
  EXPECT_EQ(lines[1].rfind("ERROR: Value 1000000000 ", 0), 0u) << lines[1];
}

TEST(SpecctraList, LooksUpNamesIgnoringCaseAndOwnsItsObjects) {
  TSpecctraList list;
  for (const char* name : {"GND", "vcc", "Gnd"}) {
    auto object = std::make_unique<TSpecctraObject>(nullptr);
    object->SetName(name);
    list.Add(std::move(object));
  }
  EXPECT_EQ(list.IndexOfName("gnd"), 0);
  EXPECT_EQ(list.IndexOfName("VCC"), 1);
  EXPECT_EQ(list.IndexOfName("none"), -1);
  EXPECT_EQ(list.ObjectAt(-1), nullptr);
  EXPECT_EQ(list.ObjectAt(3), nullptr);
  EXPECT_EQ(list.IndexOfObject(list.ObjectAt(2)), 2);
  list.PutObject(7, std::make_unique<TSpecctraObject>(nullptr));
  EXPECT_EQ(list.Count(), 3);
  EXPECT_THROW(list.Add(nullptr), std::logic_error);
}

TEST(SpecctraList, SortedListsOrderByNameWithTheNewestOfEqualNamesFirst) {
  TSpecctraList list(true);
  std::vector<TSpecctraObject*> added;
  for (const char* name : {"b", "A", "c", "a"}) {
    auto object = std::make_unique<TSpecctraObject>(nullptr);
    object->SetName(name);
    added.push_back(object.get());
    list.Add(std::move(object));
  }
  EXPECT_EQ(list.NameAt(0), "a");
  EXPECT_EQ(list.NameAt(1), "A");
  EXPECT_EQ(list.NameAt(2), "b");
  EXPECT_EQ(list.NameAt(3), "c");
  EXPECT_EQ(list.FindByName("A"), added[3]);
  EXPECT_EQ(list.IndexOfName("C"), 3);
}

// Sorted lists read between additions (each read puts the list in order): after every batch
// the order is that of all names so far, the newest of equal names first, and a name is the
// one the object had when it was added.
TEST(SpecctraList, SortedListsReadBetweenAdditionsKeepTheNewestFirst) {
  std::mt19937 random(11);
  const std::vector<std::string> names = {"", "a", "A", "b", "B", "ab", "aB", "c"};
  TSpecctraList list(true);
  std::vector<std::pair<std::string, TSpecctraObject*>> added;  // in order of adding
  for (int batch = 0; batch < 12; ++batch) {
    const int count = static_cast<int>(random() % 6);
    for (int i = 0; i < count; ++i) {
      auto object = std::make_unique<TSpecctraObject>(nullptr);
      object->SetName(names[random() % names.size()]);
      added.emplace_back(object->Name(), object.get());
      TSpecctraObject& kept = *object;
      list.Add(std::move(object));
      kept.SetName("renamed");
    }
    std::vector<std::pair<std::string, TSpecctraObject*>> expected(added.rbegin(), added.rend());
    std::stable_sort(expected.begin(), expected.end(), [](const auto& a, const auto& b) {
      return CompareTextIgnoringCase(a.first, b.first) < 0;
    });
    ASSERT_EQ(list.Count(), static_cast<int32_t>(expected.size()));
    for (int32_t i = 0; i < list.Count(); ++i) {
      EXPECT_EQ(list.NameAt(i), expected[i].first) << "batch " << batch << ", entry " << i;
      EXPECT_EQ(list.ObjectAt(i), expected[i].second) << "batch " << batch << ", entry " << i;
    }
    if (expected.empty()) continue;
    const std::string& probe = expected.back().first;
    const auto first = std::find_if(expected.begin(), expected.end(), [&](const auto& entry) {
      return SameTextIgnoringCase(entry.first, probe);
    });
    EXPECT_EQ(list.FindByName(probe), first->second) << "a lookup finds the name's first entry";
  }
}

// An unsorted list's index, once built, takes later additions: the first object filed under a
// name stays the one found.
TEST(SpecctraList, UnsortedLookupsSeeLaterAdditions) {
  TSpecctraList list;
  auto add = [&](const char* name) {
    auto object = std::make_unique<TSpecctraObject>(nullptr);
    object->SetName(name);
    list.Add(std::move(object));
  };
  add("");
  add("U1");
  EXPECT_EQ(list.IndexOfName("u1"), 1);
  EXPECT_EQ(list.IndexOfName("U2"), -1);
  add("u2");
  add("U1");
  add("");
  EXPECT_EQ(list.IndexOfName("U2"), 2);
  EXPECT_EQ(list.IndexOfName("U1"), 1);
  EXPECT_EQ(list.IndexOfName(""), 0) << "the empty name is filed like any other";
  EXPECT_EQ(list.NameAt(3), "U1");
  EXPECT_EQ(list.NameAt(4), "");
  EXPECT_EQ(list.NameAt(5), "") << "outside the list";
  list.Clear();
  EXPECT_EQ(list.Count(), 0);
  EXPECT_EQ(list.IndexOfName("U1"), -1);
}

// One member that fails costs only itself: the rest are still exported, and the list answers
// the failure.
TEST(SpecctraList, ExportAllGoesOnPastAFailure) {
  struct TCounting : TSpecctraObject {
    TCounting(int* calls, bool ok) : TSpecctraObject(nullptr), Calls(calls), Ok(ok) {}
    bool ExportToPcb() override { return ++*Calls, Ok; }
    int* Calls;
    bool Ok;
  };
  int calls = 0;
  TSpecctraList list;
  list.Add(std::make_unique<TCounting>(&calls, true));
  list.Add(std::make_unique<TCounting>(&calls, false));
  list.Add(std::make_unique<TCounting>(&calls, true));
  EXPECT_FALSE(TSpecctraObject::ExportAllToPcb(&list));
  EXPECT_EQ(calls, 3);
  EXPECT_FALSE(TSpecctraObject::ExportAllToPcb(nullptr));
  TSpecctraList empty;
  EXPECT_TRUE(TSpecctraObject::ExportAllToPcb(&empty));
}
