// Net classes, from-to groups and group sets against a running PCB server: the host classes
// they become.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "model/files/SpecctraDesign.h"
#include "model/network/PinNets.h"
#include "rtl/PcbClass.h"
#include "rtl/PcbIteration.h"
#include "rtl/PcbRules.h"
#include "rtl/ServerRoundTripSupport.h"
#include "rtl/TranslationState.h"
#include "specctra_io/SpecctraParser.h"

namespace {

struct THostClass {
  uint8_t Kind;
  std::string Name;
  std::vector<std::string> Members;
  bool operator==(const THostClass&) const = default;
};

void PrintTo(const THostClass& c, std::ostream* out) {
  *out << int(c.Kind) << " " << c.Name << " [";
  for (const std::string& member : c.Members) *out << member << ";";
  *out << "]";
}

class NetClassesOnBoard : public TServerRoundTrip {
protected:
  void SetUp() override {
    TServerRoundTrip::SetUp();
    ResetTranslationState();
  }
  void TearDown() override {
    FDesign.reset();
    FParser.reset();
    ResetTranslationState();
    TServerRoundTrip::TearDown();
  }

  TSpecctraDesign& Import(const std::string& network) {
    FParser = std::make_unique<TSpecctraParser>(std::make_unique<TInputFile>(
        "classes.dsn", "(pcb d (parser (string_quote \")) " + network + ")"));
    RegisterKeywords(*FParser);
    FDesign = std::make_unique<TSpecctraDesign>(Board, FParser.get(), "classes.dsn");
    EXPECT_TRUE(FDesign->LoadFromFile());
    EXPECT_TRUE(FDesign->ExportToPcb());
    return *FDesign;
  }
  std::vector<THostClass> HostClasses() const {
    std::vector<THostClass> classes;
    ForEachPcbObject(Board, kPcbObjectClass, [&](PcbHandle handle) {
      TPCBObjectClass hostClass(handle);
      hostClass.Update(kPcbMessageRead);
      classes.push_back({hostClass.GetClassKind(), hostClass.GetName(), hostClass.GetMembers()});
    });
    return classes;
  }
  bool HasLine(const std::string& line) {
    const auto& lines = FDesign->ReportManager().Lines();
    return std::find(lines.begin(), lines.end(), line) != lines.end();
  }

private:
  std::unique_ptr<TSpecctraParser> FParser;
  std::unique_ptr<TSpecctraDesign> FDesign;
};

}  // namespace

TEST_F(NetClassesOnBoard, GroupsBecomeHostClassesWithTheirMembers) {
  Import(
      "(network (net VCC (pins U1-1)) (net GND (pins U1-2))"
      " (class PWR VCC GND (rule (width 10)))"
      " (class \"Bus 8\" (composite D 0 7 2 \"\") (topology (x)))"
      " (class EMPTY)"
      " (group_set SET G2 MISSING G1)"
      " (group G2 (fromto U1-1 U2-1) (fromto U3-1 \"J1\"-\"A-1\"))"
      " (group G1 (fromto U5-1 U6-1))"
      " (pair (nets VCC GND)) (bundle B (nets VCC GND)) (class_class (classes PWR EMPTY)))");
  const std::vector<THostClass> expected = {
      {kPcbClassKindNet, "PWR", {"VCC", "GND"}},
      {kPcbClassKindNet, "Bus 8", {"D0", "D2", "D4", "D6"}},
      {kPcbClassKindNet, "EMPTY", {}},
      {kPcbClassKindFromTo, "G1", {"U5-1:U6-1"}},
      {kPcbClassKindFromTo, "G2", {"U1-1:U2-1", "U3-1:J1-A-1"}},
      {kPcbClassKindFromTo, "SET", {"U1-1:U2-1", "U3-1:J1-A-1", "U5-1:U6-1"}},
  };
  EXPECT_EQ(HostClasses(), expected)
      << "net classes in statement order, then groups and group sets in name order";
  EXPECT_TRUE(HasLine("WARNING: Invalid from-to class reference <MISSING> in from-to supper "
                      "class <SET>"));
}

// A net or group that fails after opening a rule scope makes no host object; its rules still
// name it. A net class with a name cannot fail after its rule blocks: past an unknown statement
// it reaches the board with the rules scoped to it.
TEST_F(NetClassesOnBoard, DroppedGroupsOutliveTheRuleScopesTheyOpened) {
  Import(
      "(network (net BADNET (pins U9-1) (rule (width 6)) (fromto U9-1))"
      " (class KEPT A (rule (width 10)) (colour red) (via_rule default))"
      " (group BADG (fromto U1-1 U2-1 (rule (width 7))) (fromto U3) (rule (width 8))))");
  EXPECT_EQ(HostClasses(), (std::vector<THostClass>{{kPcbClassKindNet, "KEPT", {"A"}}}));
  EXPECT_EQ(PinNetOf("U9-1"), nullptr) << "a dropped net gives up its pins";
  std::vector<std::string> rules;
  ForEachPcbObject(Board, kPcbObjectRule, [&](PcbHandle handle) {
    TPcbRuleEx rule(handle);
    rule.Update(kPcbMessageRead);
    rules.push_back(rule.GetName() + " / " + rule.GetScope1());
  });
  EXPECT_NE(std::find(rules.begin(), rules.end(), "Width KEPT / InNetClass('KEPT')"),
            rules.end());
  EXPECT_TRUE(HasLine("ERROR: Unexpected token <COLOUR> in line 1"));
}
