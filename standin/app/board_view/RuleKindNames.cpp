#include "app/board_view/RuleKindNames.h"

#include <array>
#include <string_view>

#include "host/PcbApi.h"

namespace pcbhost {
namespace {

// Indexed by PcbRuleKind.
constexpr std::array<std::string_view, kRuleKindCount> kRuleKindNames = {
    "Clearance",
    "ParallelSegment",
    "Width",
    "Length",
    "MatchedLengths",
    "StubLength",
    "PlaneConnect",
    "RoutingTopology",
    "RoutingPriority",
    "RoutingLayers",
    "RoutingCorners",
    "RoutingVias",
    "PlaneClearance",
    "SolderMaskExpansion",
    "PasteMaskExpansion",
    "ShortCircuit",
    "UnRoutedNet",
    "ViasUnderSMD",
    "MaximumViaCount",
    "MinimumAnnularRing",
    "PolygonConnect",
    "AcuteAngle",
    "RoomDefinition",
    "SMDToCorner",
    "ComponentClearance",
    "ComponentOrientations",
    "PermittedLayers",
    "NetsToIgnore",
    "SignalStimulus",
    "OvershootFalling",
    "OvershootRising",
    "UndershootFalling",
    "UndershootRising",
    "MaxMinImpedance",
    "SignalTopValue",
    "SignalBaseValue",
    "FlightTimeRising",
    "FlightTimeFalling",
    "LayerStack",
    "SlopeRising",
    "SlopeFalling",
    "SupplyNets",
    "HoleSize",
    "FabricationTestpoint",
    "FabricationTestPointUsage",
    "UnConnectedPin",
    "SMDToPlane",
    "SMDNeckDown",
    "LayerPairs",
    "FanoutControl",
    "Height",
    "DiffPairsRouting",
    "HoleToHoleClearance",
    "MinimumSolderMaskSliver",
    "SilkscreenOverComponentPads",
    "SilkToSilkClearance",
    "NetAntennae",
    "AssemblyTestpoint",
    "AssemblyTestPointUsage",
    "Quarn",
};

}  // namespace

std::string RuleKindName(uint32_t ruleKind) {
  if (ruleKind < kRuleKindNames.size()) return std::string(kRuleKindNames[ruleKind]);
  return "RuleKind" + std::to_string(ruleKind);
}

}  // namespace pcbhost
