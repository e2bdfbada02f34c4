// Net classes, from-to groups and group sets, from-tos, class-to-class statements and
// connections, read from small network blocks without a board.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "common/AsciiText.h"
#include "model/files/SpecctraDesign.h"
#include "model/network/DsnNetworkDescriptor.h"
#include "model/network/SpecctraClassToClass.h"
#include "model/network/SpecctraConnection.h"
#include "model/network/SpecctraFromTo.h"
#include "model/network/SpecctraFromToClass.h"
#include "model/network/SpecctraFromToSuperClass.h"
#include "model/network/SpecctraNet.h"
#include "model/network/SpecctraNetClass.h"
#include "rtl/TranslationState.h"
#include "specctra_io/SpecctraParser.h"

namespace {

// A design whose placement has loaded the components named.
class TDesignWithComponents : public TSpecctraDesign {
public:
  TDesignWithComponents(TSpecctraParser* parser, std::set<std::string> components)
      : TSpecctraDesign(0, parser, "groups.dsn"), FComponents(std::move(components)) {}
  TSpecctraObject* FindComponent(std::string_view name) override {
    return FComponents.count(std::string(name)) ? this : nullptr;
  }

private:
  std::set<std::string> FComponents;
};

// The network block read inside a design that quotes with the double quote.
class TGroupsFromText {
public:
  explicit TGroupsFromText(const std::string& network, std::set<std::string> components = {})
      : FParser(std::make_unique<TInputFile>(
            "groups.dsn", "(pcb d (parser (string_quote \")) " + network + ")")),
        FDesign(&FParser, std::move(components)) {
    RegisterKeywords(FParser);
    FDesign.LoadFromFile();
  }

  TSpecctraDsnNetworkDescriptor& Network() {
    return *static_cast<TSpecctraDsnNetworkDescriptor*>(FDesign.NetworkSection());
  }
  template <class T>
  std::vector<T*> All(const TSpecctraList* list) {
    std::vector<T*> objects;
    for (int32_t i = 0; list && i < list->Count(); ++i)
      objects.push_back(static_cast<T*>(list->ObjectAt(i)));
    return objects;
  }
  std::vector<std::string> Lines() { return FDesign.ReportManager().Lines(); }
  bool HasLine(const std::string& line) {
    const auto lines = Lines();
    return std::find(lines.begin(), lines.end(), line) != lines.end();
  }
  int32_t Errors() { return FDesign.ReportManager().ErrorCount(); }
  TSpecctraNet* Net(const std::string& name) {
    return static_cast<TSpecctraNet*>(FDesign.FindNet(name));
  }

private:
  TSpecctraParser FParser;
  TDesignWithComponents FDesign;
};

using TNames = std::vector<std::string>;

class NetGroupsTest : public ::testing::Test {
protected:
  void SetUp() override { ResetTranslationState(); }
  void TearDown() override { ResetTranslationState(); }
};

}  // namespace

TEST_F(NetGroupsTest, NetClassesListTheirMembersAndComposites) {
  TGroupsFromText design(
      "(network (class PWR VCC GND (rule (width 10)) (circuit (use_via V1)))\n"
      " (class BUS \"\" A (composite D 0 7 2 \"\") (composite Q 1 3 1 _N) (composite R 9 10 1)"
      "  (topology (fromto A-1 B-1)))\n"
      " (class KW RULE TYPE (rule (clearance 5)))\n"
      " (net VCC))");
  const auto classes = design.All<TSpecctraNetClass>(design.Network().NetClasses());
  ASSERT_EQ(classes.size(), 3u);
  EXPECT_EQ(classes[0]->Name(), "PWR");
  EXPECT_EQ(classes[0]->MemberNames(), (TNames{"VCC", "GND"}));
  EXPECT_EQ(classes[0]->Topology(), nullptr);
  EXPECT_EQ(classes[1]->MemberNames(),
            (TNames{"", "A", "D0", "D2", "D4", "D6", "Q1_N", "Q2_N", "Q3_N", "R9", "R10"}))
      << "statement order, an empty name kept, a missing suffix is empty";
  EXPECT_NE(classes[1]->Topology(), nullptr) << "the topology is kept, its block skipped";
  EXPECT_EQ(classes[2]->MemberNames(), (TNames{"RULE", "TYPE"}))
      << "words before the first block are members, also keywords";
  EXPECT_EQ(design.Errors(), 0);
  EXPECT_NE(design.Net("VCC"), nullptr) << "the statement after the classes is the network's";
}

TEST_F(NetGroupsTest, ACompositeThatCannotReachItsEndIsRefusedOnce) {
  const struct {
    const char* Composite;
    const char* Error;
  } cases[] = {
      {"(composite D 0 7 0 \"\")",
       "ERROR: Composite names in line 1 of C: the step 0 is not positive; no names are added."},
      {"(composite D 7 0 -1 \"\")",
       "ERROR: Composite names in line 1 of C: the step -1 is not positive; no names are added."},
      {"(composite D 0 2000000000 1 \"\")",
       "ERROR: Composite names in line 1 of C: 2000000001 names are more than 100000; no names "
       "are added."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Composite);
    ResetTranslationState();
    TGroupsFromText design(std::string("(network (class C A ") + c.Composite + ") (net N))");
    const auto classes = design.All<TSpecctraNetClass>(design.Network().NetClasses());
    ASSERT_EQ(classes.size(), 1u) << "the class is kept";
    EXPECT_EQ(classes[0]->MemberNames(), (TNames{"A"})) << "no names from the composite";
    EXPECT_EQ(design.Errors(), 1);
    EXPECT_TRUE(design.HasLine(c.Error));
    EXPECT_NE(design.Net("N"), nullptr);
  }
}

TEST_F(NetGroupsTest, MalformedClassesAreDroppedAndTheBlocksStayInStep) {
  for (const char* statement : {"(class)", "(class (rule (width 1)))"}) {
    SCOPED_TRACE(statement);
    ResetTranslationState();
    TGroupsFromText design(std::string("(network ") + statement + " (class OK A) (net N))");
    const auto classes = design.All<TSpecctraNetClass>(design.Network().NetClasses());
    ASSERT_EQ(classes.size(), 1u);
    EXPECT_EQ(classes[0]->Name(), "OK");
    EXPECT_NE(design.Net("N"), nullptr);
    EXPECT_GE(design.Errors(), 1);
  }
}

// A class with a name stays whole past a malformed composite or an unknown statement: its
// rule blocks would otherwise be scoped to a class the board never gets.
TEST_F(NetGroupsTest, NamedGroupsKeepTheirMembersPastBadStatements) {
  for (const char* statement :
       {"(composite D x 7 1 \"\")", "(composite D 0 7 1 (x))", "(composite D 0 (7) 1 \"\")",
        "(colour red)", "(topology x)", "(clearance_class (a b) c)"}) {
    SCOPED_TRACE(statement);
    ResetTranslationState();
    TGroupsFromText design(std::string("(network (class C A ") + statement +
                           " (rule (width 1)) B) (group_set S G1 " + statement +
                           " G2) (class OK A) (net N))");
    const auto classes = design.All<TSpecctraNetClass>(design.Network().NetClasses());
    ASSERT_EQ(classes.size(), 2u);
    EXPECT_EQ(classes[0]->Name(), "C");
    EXPECT_EQ(classes[0]->MemberNames(), (TNames{"A"})) << "names end at the first statement";
    EXPECT_EQ(classes[1]->Name(), "OK");
    const auto sets = design.All<TSpecctraFromToSuperClass>(design.Network().FromToSuperClasses());
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(sets[0]->MemberNames(), (TNames{"G1"}));
    EXPECT_NE(design.Net("N"), nullptr);
    EXPECT_GE(design.Errors(), 1);
  }
}

TEST_F(NetGroupsTest, FromToTerminalsArePinReferencesOfTheDesign) {
  const struct {
    const char* FromTo;
    bool Kept;
    const char* Line;
  } cases[] = {
      {"(fromto U1-1 PC1-\"CAN-L\" (type fix) (net A) (rule (width 5)))", true, nullptr},
      {"(fromto U1 U2-1)", false,
       "WARNING: Component ref. not supported in from-to definition. Line: 1"},
      {"(fromto U2-1 U9)", false, "ERROR: Pin reference should include - character. Line: 1"},
      {"(fromto U1-1 U2-1 (virtual_pin V1 (position 1 2)) (type fix))", false,
       "WARNING: Virtual pins not supported in from-to definition. Line: 1"},
      {"(fromto U1-1 U2-1 (type hard))", false, "ERROR: Unexpected token <HARD> in line 1"},
      {"(fromto (net A) U1-1 U2-1)", false,
       "ERROR: Pin reference should include - character. Line: 1"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.FromTo);
    ResetTranslationState();
    TGroupsFromText design(std::string("(network (net A (pins U1-1) ") + c.FromTo +
                               ") (net B (pins U2-1)))",
                           {"U1"});
    EXPECT_NE(design.Net("B"), nullptr) << "the next net is read whole";
    if (c.Line) {
      EXPECT_TRUE(design.HasLine(c.Line));
    }
    TSpecctraNet* a = design.Net("A");
    if (!c.Kept) {
      EXPECT_EQ(a, nullptr) << "a failed from-to fails its net";
      EXPECT_TRUE(design.HasLine("ERROR: Loading net: A"));
      continue;
    }
    ASSERT_NE(a, nullptr);
    const auto fromTos = design.All<TSpecctraFromTo>(a->FromTos());
    ASSERT_EQ(fromTos.size(), 1u);
    EXPECT_EQ(fromTos[0]->FromTerminal(), "U1-1");
    EXPECT_EQ(fromTos[0]->ToTerminal(), "PC1-CAN-L") << "quoted parts join the reference";
    EXPECT_EQ(fromTos[0]->Type(), eFromTo_Fix);
    EXPECT_EQ(fromTos[0]->NetName(), "A");
    EXPECT_EQ(fromTos[0]->MemberName(), "U1-1:PC1-CAN-L");
  }
}

TEST_F(NetGroupsTest, GroupsEndAtTheirOwnParenthesisAndGroupSetsNameThem) {
  TGroupsFromText design(
      "(network (group G2 (fromto U1-1 U2-1) (fromto U3-1 U4-1 (type soft)) (rule (width 5)))\n"
      " (net N (pins U1-1)) (group g1 (fromto U5-1 U6-1)) (group BAD (fromto U7-1))\n"
      " (group_set S G2 G1 (composite G 3 3 1 \"\")))");
  EXPECT_NE(design.Net("N"), nullptr) << "the net after a group belongs to the network";
  const auto groups = design.All<TSpecctraFromToClass>(design.Network().FromToClasses());
  ASSERT_EQ(groups.size(), 2u);
  EXPECT_EQ(groups[0]->Name(), "G1") << "groups in name order";
  EXPECT_EQ(groups[0]->FromToMemberNames(), (TNames{"U5-1:U6-1"}));
  EXPECT_TRUE(design.HasLine("ERROR: Pin reference should include - character. Line: 2"))
      << "a from-to with one terminal fails its group";
  EXPECT_EQ(groups[1]->FromToMemberNames(), (TNames{"U1-1:U2-1", "U3-1:U4-1"}));
  EXPECT_EQ(design.Network().FindFromToClass("G1"), groups[0]);
  const auto sets = design.All<TSpecctraFromToSuperClass>(design.Network().FromToSuperClasses());
  ASSERT_EQ(sets.size(), 1u);
  EXPECT_EQ(sets[0]->MemberNames(), (TNames{"G2", "G1", "G3"}));
}

TEST_F(NetGroupsTest, ClassToClassNamesAndFailures) {
  TGroupsFromText design(
      "(network (class_class (classes A B) (rule (clearance 5)) (layer_rule TOP (rule (width 1))))"
      " (class_class (classes A B C) (rule (clearance 5)))"
      " (class_class (classes X (Y)) (rule (clearance 5)))"
      " (class_class)"
      " (class_class (nets A B) (rule (width 1)))"
      " (net N))");
  const auto pairs = design.All<TSpecctraClassToClass>(design.Network().ClassToClasses());
  ASSERT_EQ(pairs.size(), 5u) << "failed statements are kept";
  EXPECT_EQ(pairs[0]->Name(), "A B ");
  EXPECT_EQ(pairs[1]->Name(), "A B  ...");
  EXPECT_EQ(pairs[1]->ClassNames(), (TNames{"A", "B", "C"}));
  EXPECT_EQ(pairs[2]->ClassNames(), (TNames{"X"}));
  EXPECT_NE(design.Net("N"), nullptr) << "every statement ends at its own parenthesis";
  EXPECT_EQ(design.Errors(), 3);
}

TEST_F(NetGroupsTest, ConnectionsReadBothTerminals) {
  const struct {
    const char* Text;
    bool Loads;
    uint8_t FirstKind;
    const char* FirstName;
    uint8_t SecondKind;
    const char* SecondName;
  } cases[] = {
      {"(terminal via) (terminal pin U1-'A-1'))", true, eTerminal_Via, "", eTerminal_Pin,
       "U1-A-1"},
      {"(terminal smd R1-2) (terminal testpoint))", true, eTerminal_Smd, "R1-2",
       eTerminal_Testpoint, ""},
      {"(terminal wire W) (terminal area A))", true, eTerminal_Wire, "W", eTerminal_Area, "A"},
      {"(terminal via) (nets A))", false, eTerminal_Via, "", eTerminal_Unknown, ""},
      {"(terminal pin (x)) (terminal via))", false, eTerminal_Pin, "", eTerminal_Unknown, ""},
      {"(terminal via) (terminal via) extra)", false, eTerminal_Via, "", eTerminal_Via, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Text);
    TSpecctraParser parser(
        std::make_unique<TInputFile>("c.dsn", std::string(c.Text) + " (after)"));
    RegisterKeywords(parser);
    // A wire would own the connection; a design hands it the parser.
    TSpecctraDesign design(0, &parser, "c.dsn");
    TSpecctraConnection loaded(&design);
    EXPECT_EQ(loaded.LoadFromFile(), c.Loads);
    EXPECT_EQ(loaded.First().Kind(), c.FirstKind);
    EXPECT_EQ(loaded.First().Name(), c.FirstName);
    EXPECT_EQ(loaded.Second().Kind(), c.SecondKind);
    EXPECT_EQ(loaded.Second().Name(), c.SecondName);
    EXPECT_EQ(loaded.BlockDepth(), 0);
    EXPECT_EQ(parser.NextToken(), tkOpenParen) << "the block ends at its own parenthesis";
    EXPECT_EQ(parser.NextTokenText(), "AFTER");
  }
}

// Every prefix of a design with each kind of group statement reads to its end; the groups
// that load are whole.
TEST_F(NetGroupsTest, TruncatedGroupStatementsEndCleanly) {
  const std::string text =
      "(pcb d (parser (string_quote \"))\n(structure (grid place 5 (image_type smd) (offset 1))"
      " (control (off_grid off) (noise_accumulation rss)))\n"
      "(network (net A (pins U1-1) (fromto U1-1 PC1-\"CAN-L\" (type soft) (rule (width 1))))\n"
      " (class C A \"B b\" (composite D 0 3 1 _x) (topology (x)) (layer_rule TOP (rule (w 1))))\n"
      " (group G (fromto U1-1 U2-1 (net A)) (circuit (use_via V)))\n"
      " (group_set S G (composite G 1 2 1 \"\"))\n"
      " (class_class (classes C D E) (rule (clearance 5)))\n (pair (nets A B))))";
  for (std::size_t length = 0; length <= text.size(); ++length) {
    SCOPED_TRACE(length);
    ResetTranslationState();
    TSpecctraParser parser(std::make_unique<TInputFile>("cut.dsn", text.substr(0, length)));
    RegisterKeywords(parser);
    TSpecctraDesign design(0, &parser, "cut.dsn");
    design.LoadFromFile();
    EXPECT_TRUE(parser.EndOfInput());
    const auto* network = static_cast<TSpecctraDsnNetworkDescriptor*>(design.NetworkSection());
    if (!network || !network->FromToClasses()) continue;
    for (int32_t i = 0; i < network->FromToClasses()->Count(); ++i) {
      const auto* group = static_cast<TSpecctraFromToClass*>(network->FromToClasses()->ObjectAt(i));
      for (const std::string& member : group->FromToMemberNames())
        EXPECT_EQ(member.rfind("U1-1:U2-", 0), 0u) << "a from-to is kept only with both terminals";
    }
  }
}
