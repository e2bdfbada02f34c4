// Small value types shared by the Specctra object model.
#pragma once

#include <cstdint>
#include <string>

struct TVertex {
  double X = 0;
  double Y = 0;
};

// A box in Specctra units: minimum and maximum X and Y.
struct TSpecctraExtent {
  double MinX = 0;
  double MinY = 0;
  double MaxX = 0;
  double MaxY = 0;
};

// A (constant name value) statement; the value is at most 255 bytes.
struct TNameValuePair {
  std::string Name;
  std::string Value;
};

// Two layers and the weight of the noise between them.
struct TSpecctraLayerNoisePair {
  std::string Layer1;
  std::string Layer2;
  double Weight = 0;
};

enum TSpecctraRuleKind : uint8_t {
  eAbstract_Rule,
  eCircuitDesc_Rule,
  eClearance_Rule,
  eEffectiveViaLength_Rule,
  eInterLayerClearance_Rule,
  eJunctionType_Rule,
  eLengthAmplitude_Rule,
  eLengthFactor_Rule,
  eLengthGap_Rule,
  eLimitBends_Rule,
  eLimitCrossing_Rule,
  eLimitVias_Rule,
  eLimitWay_Rule,
  eMaxNoise_Rule,
  eMaxStagger_Rule,
  eMaxStub_Rule,
  eMaxTotalVias_Rule,
  eParallelNoise_Rule,
  eParallelSegment_Rule,
  ePinWidthTaper_Rule,
  ePowerFanout_Rule,
  eRedundantWiring_Rule,
  eReorder_Rule,
  eRestrictedLayerLengthFactor_Rule,
  eSaturationLength_Rule,
  eShieldGap_Rule,
  eShieldLoop_Rule,
  eShieldTieDownInterval_Rule,
  eShieldWidth_Rule,
  eStackVia_Rule,
  eStackVia_Depth_Rule,
  eTandemNoise_Rule,
  eTandemSegment_Rule,
  eTandemShieldOverhang_Rule,
  eTestpoint_Rule,
  eTimeLength_Factor_Rule,
  eTJunction_Rule,
  eTrackId_Rule,
  eViaAtSmd_Rule,
  eViaPattern_Rule,
  eWidth_Rule,
};

inline constexpr int kSpecctraRuleKindCount = eWidth_Rule + 1;
