#include "model/rules/HostRuleKinds.h"

#include <array>

namespace {

constexpr std::array<std::string_view, kHostRuleKindCount> kHostRuleKindNames = {
    "Clearance",           "ParallelSegment",          "Width",
    "Length",              "MatchedLengths",           "StubLength",
    "PlaneConnect",        "RoutingTopology",          "RoutingPriority",
    "RoutingLayers",       "RoutingCorners",           "RoutingVias",
    "PlaneClearance",      "SolderMaskExpansion",      "PasteMaskExpansion",
    "ShortCircuit",        "UnRoutedNet",              "ViasUnderSMD",
    "MaximumViaCount",     "MinimumAnnularRing",       "PolygonConnect",
    "AcuteAngle",          "RoomDefinition",           "SMDToCorner",
    "ComponentClearance",  "ComponentOrientations",    "PermittedLayers",
    "NetsToIgnore",        "SignalStimulus",           "OvershootFalling",
    "OvershootRising",     "UndershootFalling",        "UndershootRising",
    "MaxMinImpedance",     "SignalTopValue",           "SignalBaseValue",
    "FlightTimeRising",    "FlightTimeFalling",        "LayerStack",
    "SlopeRising",         "SlopeFalling",             "SupplyNets",
    "HoleSize",            "FabricationTestpoint",     "FabricationTestPointUsage",
    "UnConnectedPin",      "SMDToPlane",               "SMDNeckDown",
    "LayerPairs",          "FanoutControl",            "Height",
    "DiffPairsRouting",    "HoleToHoleClearance",      "MinimumSolderMaskSliver",
    "SilkscreenOverComponentPads", "SilkToSilkClearance", "NetAntennae",
    "AssemblyTestpoint",   "AssemblyTestPointUsage",   "Quarn Rule",
};

}  // namespace

std::string_view HostRuleKindName(uint8_t hostRuleKind) {
  return hostRuleKind < kHostRuleKindNames.size() ? kHostRuleKindNames[hostRuleKind] : "";
}
