// The circuit statements of a net or class: delay and length limits, matching, shielding,
// priority, and the layers and vias its wiring may use.
//   (circuit (length max [min] [(type actual|ratio)]) (match_net_length on|off (tolerance t))
//            (max_delay d) (priority n) (total) (shield on|off parallel (use_net N))
//            (use_layer L ...) (use_via V ... (use_array V n m)) ...)
// On design import the use_via list becomes routing via styles and the use_layer list a
// routing-layers rule; the other statements are kept.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/rules/AbstractRule.h"

enum TCircuitMatchKind : uint8_t {
  cmFromToLength,
  cmFromToDelay,
  cmGroupLength,
  cmGroupDelay,
  cmNetLength,
  cmNetDelay,
  cmMatchKindCount,
};

struct TCircuitMatch {
  bool On = false;
  double Tolerance = 0;
  bool Ratio = false;  // length matches only: the tolerance is a ratio
};

struct TCircuitViaArray {
  std::string Padstack;
  int32_t First = 0;
  int32_t Second = 0;
};

// One entry of the use_via list; entries from (use_array ...) carry the array.
struct TCircuitUseVia {
  std::string Padstack;
  std::optional<TCircuitViaArray> Array;
};

enum TCircuitShieldType : uint8_t { stParallel = 0, stTandem = 1, stCoax = 2 };

class TSpecctraCircuitDescriptor : public TSpecctraAbstractRule {
public:
  explicit TSpecctraCircuitDescriptor(TAbstractRuleScope& scope)
      : TSpecctraAbstractRule(scope, eCircuitDesc_Rule) {}
  std::string_view ClassName() const override { return "TSpecctraCircuitDescriptor"; }

  // After "circuit"; reads to the block's end also when a statement fails.
  bool LoadFromFile() override;
  // Via styles for the use_via list, then the routing-layers rule; always true.
  bool ExportToPcb() override;

  double MaxDelay() const { return FMaxDelay; }
  double MinDelay() const { return FMinDelay; }
  double MaxTotalDelay() const { return FMaxTotalDelay; }
  double MinTotalDelay() const { return FMinTotalDelay; }
  double LengthMax() const { return FLengthMax; }
  double LengthMin() const { return FLengthMin; }
  // 0 actual, 1 ratio.
  uint8_t LengthType() const { return FLengthType; }
  double MaxTotalLength() const { return FMaxTotalLength; }
  double MinTotalLength() const { return FMinTotalLength; }
  const std::optional<TCircuitMatch>& Match(TCircuitMatchKind kind) const { return FMatches[kind]; }
  bool ShieldOn() const { return FShieldOn; }
  const std::string& ShieldNet() const { return FShieldNet; }
  uint8_t ShieldType() const { return FShieldType; }
  double MaxRestrictedLayerLength() const { return FMaxRestrictedLayerLength; }
  bool Total() const { return FTotal; }
  int32_t Priority() const { return FPriority; }
  const std::vector<std::string>& UseLayers() const { return FUseLayers; }
  const std::vector<TCircuitUseVia>& UseVias() const { return FUseVias; }

private:
  // A statement being read: its keyword (0 right after its parenthesis) and how many
  // arguments it has taken.
  struct TOpenStatement {
    int32_t Keyword = 0;
    int Arguments = 0;
  };

  // The keyword of a statement just opened; false (reported) for an unknown one, whose block
  // is then passed over.
  bool OpenStatement(std::vector<TOpenStatement>& open);
  // One argument of the innermost statement; false (reported) when it takes none such.
  bool TakeArgument(std::vector<TOpenStatement>& open);
  // The value of the innermost statement as a number.
  double* ValueSlot(int32_t keyword);
  TCircuitMatch* MatchOf(int32_t keyword);

  void CreateViaStyles();
  void CreateRoutingLayersRule();

  double FMaxDelay = 0;
  double FMinDelay = 0;
  double FMaxTotalDelay = 0;
  double FMinTotalDelay = 0;
  double FLengthMax = 0;
  double FLengthMin = 0;
  uint8_t FLengthType = 0;
  double FMaxTotalLength = 0;
  double FMinTotalLength = 0;
  std::array<std::optional<TCircuitMatch>, cmMatchKindCount> FMatches;
  bool FShieldOn = false;
  std::string FShieldNet;
  uint8_t FShieldType = stParallel;
  double FMaxRestrictedLayerLength = 0;
  bool FTotal = false;
  int32_t FPriority = 0;
  std::vector<std::string> FUseLayers;
  std::vector<TCircuitUseVia> FUseVias;
};
