// Rules of a design written to a running stand-in board: the host rules, their names, scopes,
// flags and constraint values, in the order the rule collection writes them.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "common/NumberFormat.h"
#include "model/rules/RuleTestSupport.h"
#include "model/structure/StructureDescriptors.h"
#include "rtl/PcbIteration.h"
#include "rtl/PcbRules.h"
#include "rtl/RuleConstraints.h"
#include "rtl/ServerRoundTripSupport.h"

namespace {

std::string Number(double value) { return FormatNumber(value); }

// One host rule as text: kind, name, scopes, then its values.
std::string Describe(PcbHandle handle) {
  TPcbRuleEx rule(handle);
  rule.Update(kPcbMessageRead);
  const uint8_t kind = rule.GetRuleKind();
  std::string text = Number(kind) + " " + rule.GetName() + " | " + rule.GetScope1();
  if (kind == kRuleClearance || kind == kRuleParallelSegment) text += " | " + rule.GetScope2();
  switch (kind) {
    case kRuleClearance: {
      PcbClearanceConstraintRecord gap{};
      QueryRuleConstraint(kPcbMessageRead, handle, gap);
      PcbRuleExtRecord extended{};
      QueryRuleExt(kPcbMessageRead, handle, extended);
      return text + " | gap " + Number(gap.gap) + (extended.sameNet ? " same net" : "");
    }
    case kRuleWidth: {
      PcbMaxMinWidthConstraintRecord width{};
      QueryRuleConstraint(kPcbMessageRead, handle, width);
      return text + " | " + Number(width.maximum) + " " + Number(width.minimum) + " " +
             Number(width.preferred);
    }
    case kRuleParallelSegment: {
      PcbParallelSegmentConstraintRecord segment{};
      QueryRuleConstraint(kPcbMessageRead, handle, segment);
      return text + " | layers " + Number(rule.GetLayerRelation()) + " limit " +
             Number(segment.limit) + " gap " + Number(segment.gap);
    }
    case kRuleStubLength: {
      PcbDaisyChainStubLengthConstraintRecord stub{};
      QueryRuleConstraint(kPcbMessageRead, handle, stub);
      return text + " | " + Number(stub.maxStubLength);
    }
    case kRuleRoutingTopology: {
      PcbRoutingTopologyRuleRecord topology{};
      QueryRuleConstraint(kPcbMessageRead, handle, topology);
      return text + " | " + Number(topology.topology);
    }
    case kRuleViasUnderSMD: {
      PcbViasUnderSMDConstraintRecord vias{};
      QueryRuleConstraint(kPcbMessageRead, handle, vias);
      return text + " | " + Number(vias.allowed);
    }
    case kRuleMaximumViaCount: {
      PcbMaximumViaCountRuleRecord count{};
      QueryRuleConstraint(kPcbMessageRead, handle, count);
      return text + " | " + Number(count.viaCount);
    }
    case kRuleSMDToCorner: {
      PcbSMDToCornerRecord corner{};
      QueryRuleConstraint(kPcbMessageRead, handle, corner);
      return text + " | " + Number(corner.distance);
    }
    case kRuleRoutingLayers: {
      PcbRoutingLayersRuleRecord table{};
      QueryRuleConstraint(kPcbMessageRead, handle, table);
      text += " |";
      for (int i = 0; i < kPcbRoutingLayerCount; ++i)
        if (table.layers[i] != 0) text += " " + Number(i + 1) + ":" + Number(table.layers[i]);
      return text;
    }
    default: return text;
  }
}

class RulesOnBoard : public TServerRoundTrip {
protected:
  void SetUp() override {
    TServerRoundTrip::SetUp();
    ResetTranslationState();
  }
  void TearDown() override {
    FText.reset();
    ResetTranslationState();
    TServerRoundTrip::TearDown();
  }

  // Reads the design and writes it to the board.
  TRuleText& Import(const std::string& design) {
    FText = std::make_unique<TRuleText>(design, Board);
    EXPECT_TRUE(FText->LoadDesign());
    EXPECT_TRUE(FText->Design().ExportToPcb());
    return *FText;
  }
  // The host rules in board order, leaving out the layer stack's routing-layers rule.
  std::vector<std::string> HostRules() const {
    std::vector<std::string> rules;
    ForEachPcbObject(Board, kPcbObjectRule, [&](PcbHandle handle) {
      const std::string text = Describe(handle);
      if (text.find("Routing Layers From Layer Stack") == std::string::npos) rules.push_back(text);
    });
    return rules;
  }

private:
  std::unique_ptr<TRuleText> FText;
};

const char* const kLayers =
    "(layer TOP (type signal)) (layer GND (type power)) (layer BOTTOM (type signal) "
    "(direction vertical))";

}  // namespace

TEST_F(RulesOnBoard, EveryTranslatedRuleBecomesItsHostRule) {
  TRuleText& text = Import(std::string("(pcb d (unit mil) (library) (structure ") + kLayers +
                           " (rule (clearance 6) (width 5) (clearance 0 (type smd_smd))))"
                           " (network (net VCC (pins U1-1) (rule (width 10)"
                           " (clearance 8 (type smd_via pin_via))"
                           " (clearance 5 (type smd_to_turn_gap))"
                           " (max_total_vias 4) (via_at_smd on) (reorder daisy (type balanced))"
                           " (max_stub 20) (parallel_segment (gap 2) (limit 30))"
                           " (tandem_segment on (gap 3) (limit 40))"
                           " (parallel_segment on (gap 0) (limit 0)) (length_gap 3)"
                           " (testpoint (side both))))))");
  const std::vector<std::string> expected = {
      // board scope first, then the net's rules by rule kind
      "0 Clearance PCB | All | All | gap 60000",
      "0 Clearance PCB | IsSMTPin | IsSMTPin | gap 0",
      "2 Width PCB | All | 60000 40000 50000",
      "0 Clearance VCC | InNet('VCC') And (IsPad Or IsSMTPin) | InNet('VCC') And (IsVia) | "
      "gap 80000",
      "23 SMDToCorner VCC | InNet('VCC') | 50000",
      "5 StubLength VCC | InNet('VCC') | 200000",
      "18 MaximumViaCount VCC | InNet('VCC') | 4",
      "1 ParallelSegment VCC | InNet('VCC') | InNet('VCC') | layers 0 limit 300000 gap 20000",
      "7 RoutingTopology VCC | InNet('VCC') | 5",
      "1 ParallelSegment VCC | InNet('VCC') | InNet('VCC') | layers 1 limit 400000 gap 30000",
      "17 ViasUnderSMD VCC | InNet('VCC') | 1",
      "2 Width VCC | InNet('VCC') | 120000 80000 100000",
  };
  EXPECT_EQ(HostRules(), expected);
  EXPECT_TRUE(
      text.HasLine("Skipped translation of parallel segment rule with zero values for VCC"));
  EXPECT_EQ(text.Errors(), 0) << testing::PrintToString(text.Lines());
}

TEST_F(RulesOnBoard, TheDesignsClearanceAndWidthRulesReplaceTheBoards) {
  for (uint8_t kind : {kRuleClearance, kRuleWidth, kRuleStubLength}) {
    const PcbHandle old = CreatePcbRuleObject(kind);
    TPcbRuleEx rule(old);
    rule.Update(kPcbMessageRead);
    rule.SetName("old");
    rule.Update(kPcbMessageWrite);
    PcbDaisyChainStubLengthConstraintRecord stub{};
    QueryRuleConstraint(kPcbMessageWrite, old, stub);
    ASSERT_EQ(AddPcbObjectToContainer(Board, old), kPcbOk);
  }
  Import("(pcb d (unit mm) (structure (rule (width 0.254))))");
  EXPECT_EQ(HostRules(), (std::vector<std::string>{"5 old | All | 0",
                                                   "2 Width PCB | All | 120000 80000 100000"}));
}

TEST_F(RulesOnBoard, ALayersRulesSelectTheLayerOnBothSidesOfAClearance) {
  Import(std::string("(pcb d (unit mil) (structure ") + kLayers +
         " (layer 'In 3' (type signal) (rule (width 8) (clearance 8 (type wire_wire))))))");
  EXPECT_EQ(HostRules(),
            (std::vector<std::string>{
                "0 Clearance In 3 | OnLayer('In 3') And ((IsTrack Or IsArc)) | OnLayer('In 3') And "
                "((IsTrack Or IsArc)) | gap 80000",
                "2 Width In 3 | All | 96000 64000 80000"}));
}

TEST_F(RulesOnBoard, ACircuitOpensItsRoutableLayersToTheRouter) {
  TRuleText& text = Import(std::string("(pcb d (unit mil) (structure ") + kLayers +
                           ") (network (net VCC (pins U1-1)"
                           " (circuit (use_layer BOTTOM GND NOPE TOP) (use_via V1)))))");
  // BOTTOM keeps its own direction; TOP alternates after it.
  EXPECT_EQ(HostRules(),
            (std::vector<std::string>{"9 RoutingLayers VCC | InNet('VCC') | 1:1 32:2"}));
  EXPECT_TRUE(text.HasLine("ERROR: Invalid library reference returned, while tryng to create "
                           "board level routing via styles."));
}

// A rule owner that fails after its rule block is kept for the rule scope it opened, so the
// rule export still reads a live owner. Each owner fails once by a statement it does not know
// and once by a malformed statement it needs.
TEST_F(RulesOnBoard, RuleOwnersThatFailOutliveTheRuleScopesTheyOpened) {
  struct Case {
    const char* library;
    const char* layers;
    const char* owner;
  };
  const Case cases[] = {
      {"(padstack P1 (rule (width 5)) (shape (circle TOP 20)) (bogus 1))", "", "P1"},
      {"(padstack P1 (rule (width 5)) (shape (circle TOP)))", "", "P1"},
      {"", "(layer MID (type signal) (rule (width 4)) (bogus))", "MID"},
      {"", "(layer MID (type signal) (rule (width 4)) (direction))", "MID"},
      {"", "(layer J1 (type jumper)) (layer J2 (type jumper) (rule (width 4)))", "J2"},
  };
  std::set<PcbHandle> earlier;  // the rules of the cases before
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.library) + c.layers);
    ResetTranslationState();
    auto text = std::make_unique<TRuleText>(
        std::string("(pcb d (unit mil) (library ") + c.library +
            ") (structure (layer TOP (type signal)) " + c.layers +
            " (layer BOTTOM (type signal))))",
        Board);
    text->LoadDesign();
    text->Design().ExportToPcb();
    std::vector<std::string> added;
    ForEachPcbObject(Board, kPcbObjectRule, [&](PcbHandle handle) {
      if (earlier.insert(handle).second) added.push_back(Describe(handle));
    });
    EXPECT_TRUE(std::any_of(added.begin(), added.end(), [&](const std::string& rule) {
      return rule.find(c.owner) != std::string::npos;
    })) << testing::PrintToString(added);
  }
}

// A region's rules are collected under its region scopes, but the board cannot confine a rule
// to an area: they stay off the board, each named in the report. A region that fails after its
// rule block keeps its scope's owner alive for that report.
TEST_F(RulesOnBoard, RegionRulesAreCollectedAndKeptOffTheBoard) {
  TRuleText& text = Import(std::string("(pcb d (unit mil) (structure ") + kLayers +
                           " (rule (width 5))"
                           " (region R1 (rect TOP 0 0 100 100) (rule (width 3) (clearance 4)))"
                           " (region R2 (rect TOP 0 0 10 10) (region_net GND (rule (width 7))))))");
  EXPECT_EQ(HostRules(), (std::vector<std::string>{"2 Width PCB | All | 60000 40000 50000"}));
  for (const char* line :
       {"WARNING: The width rule of region R1 is not written to the board: it would apply to "
        "the whole board.",
        "WARNING: The clearance rule of region R1 is not written to the board: it would apply "
        "to the whole board.",
        "WARNING: The width rule of region R2 is not written to the board: it would apply to "
        "the whole board."})
    EXPECT_TRUE(text.HasLine(line)) << line << "\n" << testing::PrintToString(text.Lines());
  for (const std::string& line : text.Lines())
    EXPECT_EQ(line.find("RULE"), std::string::npos) << "no rule block is skipped: " << line;

  TRuleText failed(std::string("(pcb d (unit mil) (structure ") + kLayers +
                       " (region R3 (rule (width 9)) (rect TOP 0))))",
                   Board);
  failed.LoadDesign();
  EXPECT_EQ(failed.Design().DsnStructure()->Regions().Count(), 0) << "the region failed";
  failed.Design().ExportToPcb();
  EXPECT_TRUE(failed.HasLine("WARNING: The width rule of region R3 is not written to the board: "
                             "it would apply to the whole board."));
}
