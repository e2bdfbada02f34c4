// The tables of the rule translation: host rule kinds and clearance types.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "model/base/BoardHelpers.h"
#include "model/rules/ClearanceTypes.h"
#include "model/rules/HostRuleKinds.h"
#include "specctra_io/BlockParser.h"
#include "specctra_io/KeywordList.h"
#include "specctra_io/SpecctraTokens.h"

TEST(HostRuleKinds, SixtyDistinctNamesOfAtMostThirtyCharacters) {
  std::set<std::string_view> names;
  for (int kind = 0; kind < kHostRuleKindCount; ++kind) {
    SCOPED_TRACE(kind);
    const std::string_view name = HostRuleKindName(static_cast<uint8_t>(kind));
    EXPECT_FALSE(name.empty());
    EXPECT_LE(name.size(), 30u);
    names.insert(name);
  }
  EXPECT_EQ(names.size(), 60u);
  EXPECT_EQ(HostRuleKindName(60), "");
  EXPECT_EQ(HostRuleKindName(255), "");
}

TEST(HostRuleKinds, NamesAndKindsOfTheRulesTheTranslationMakes) {
  const std::pair<uint8_t, std::string_view> cases[] = {
      {kRuleClearance, "Clearance"},           {kRuleParallelSegment, "ParallelSegment"},
      {kRuleWidth, "Width"},                   {kRuleStubLength, "StubLength"},
      {kRuleRoutingTopology, "RoutingTopology"}, {kRuleRoutingLayers, "RoutingLayers"},
      {kRuleRoutingVias, "RoutingVias"},       {kRuleViasUnderSMD, "ViasUnderSMD"},
      {kRuleMaximumViaCount, "MaximumViaCount"}, {kRuleSMDToCorner, "SMDToCorner"},
      {kRuleComponentClearance, "ComponentClearance"}, {kRuleQuarn, "Quarn Rule"},
  };
  for (const auto& [kind, name] : cases) {
    SCOPED_TRACE(name);
    EXPECT_EQ(HostRuleKindName(kind), name);
  }
}

TEST(HostRuleKinds, OnlyFiveKindsTakeTwoScopes) {
  std::set<int> binary;
  for (int kind = 0; kind < 256; ++kind)
    if (IsBinaryHostRuleKind(static_cast<uint8_t>(kind))) binary.insert(kind);
  EXPECT_EQ(binary, (std::set<int>{0, 1, 15, 21, 24}));
}

TEST(ClearanceTypes, EveryKeywordFindsItsIndexAndFragments) {
  struct TCase {
    std::string_view Word;
    int Index;
    std::string_view First;
    std::string_view Second;
  };
  const std::string_view pad = "IsPad", smd = "IsSMTPin", via = "IsVia",
                         wire = "(IsTrack Or IsArc)",
                         area = "(IsKeepout Or IsFill Or InPolygon)",
                         test = "(TestPointTop Or TestPointBottom)",
                         drill = "((IsPad Or IsVia) And (HoleSize>0))";
  const TCase cases[] = {
      {"pin_pin", 0, pad, pad},            {"PIN_SMD", 1, pad, smd},
      {"smd_pin", 1, pad, smd},            {"pin_via", 2, pad, via},
      {"via_pin", 2, pad, via},            {"pin_wire", 3, pad, wire},
      {"wire_pin", 3, pad, wire},          {"pin_area", 4, pad, area},
      {"area_pin", 4, pad, area},          {"pin_testpoint", 5, pad, test},
      {"testpoint_pin", 5, pad, test},     {"smd_smd", 6, smd, smd},
      {"smd_via", 7, smd, via},            {"via_smd", 7, smd, via},
      {"smd_wire", 8, smd, wire},          {"wire_smd", 8, smd, wire},
      {"smd_area", 9, smd, "IsKeepout"},   {"area_smd", 9, smd, "IsKeepout"},
      {"smd_testpoint", 10, smd, test},    {"testpoint_smd", 10, smd, test},
      {"via_via", 11, via, via},           {"via_wire", 12, via, wire},
      {"wire_via", 12, via, wire},         {"via_area", 13, via, area},
      {"area_via", 13, via, area},         {"via_testpoint", 14, via, test},
      {"testpoint_via", 14, via, test},    {"wire_wire", 15, wire, wire},
      {"wire_area", 16, wire, area},       {"area_wire", 16, wire, area},
      {"wire_testpoint", 17, wire, test},  {"testpoint_wire", 17, wire, test},
      {"area_area", 18, area, area},       {"area_testpoint", 19, test, test},
      {"testpoint_area", 19, test, test},  {"testpoint_testpoint", 20, test, test},
      {"smd_via_same_net", 21, smd, via},  {"via_via_same_net", 22, via, via},
      {"buried_via_gap", 23, "", ""},      {"antipad_gap", 24, "", ""},
      {"pad_to_turn_gap", 25, "", ""},     {"smd_to_turn_gap", 25, "", ""},
      {"drill_gap", 27, drill, drill},
  };
  TKeywordList keywords;
  for (const TKeywordRegistration& registration : KeywordRegistrations())
    keywords.Add(registration.Word, registration.Id);
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Word);
    const int32_t id = keywords.FindUpper(AsciiUpperText(c.Word), tkUnknownWord);
    const std::optional<TClearanceType> type = ClearanceTypeOf(id);
    ASSERT_TRUE(type.has_value());
    EXPECT_EQ(type->Index, c.Index);
    EXPECT_EQ(type->FirstFragment, c.First);
    EXPECT_EQ(type->SecondFragment, c.Second);
    EXPECT_EQ(ClearanceTypeAt(c.Index)->Index, c.Index);
  }
  EXPECT_FALSE(ClearanceTypeAt(26).has_value());
  EXPECT_FALSE(ClearanceTypeAt(28).has_value());
  EXPECT_FALSE(ClearanceTypeOf(KeywordId("ViaPop")).has_value());
  EXPECT_FALSE(ClearanceTypeOf(tkUnknownWord).has_value());
}
