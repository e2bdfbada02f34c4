// The structure's control statement: the router's switches. They are kept; nothing in the
// translation reads them.
#pragma once

#include <array>
#include <cstdint>

#include "model/base/SpecctraObject.h"

enum TSpecctraControlSwitch : uint8_t {
  eControl_OffGrid,
  eControl_RouteToFanoutOnly,
  eControl_ForceToTerminalPoint,
  eControl_SameNetChecking,
  eControl_CheckingTrimByPin,
  eControl_NoiseCalculation,     // 0 linear_interpolation, 1 stairstep
  eControl_NoiseAccumulation,    // 0 RSS, 1 linear
  eControl_IncludePinsInCrosstalk,
  eControl_BbvCtr2Ctr,
  eControl_AveragePairLength,
  eControl_CrosstalkModel,       // 0 cct1, 1 cct1a
  eControl_RoundoffRotation,
  eControl_Microvia,
  eControl_RerouteOrderViols,
  eControl_SwitchCount,
};

class TSpecctraControlDescriptor : public TSpecctraObject {
public:
  using TSpecctraObject::TSpecctraObject;
  std::string_view ClassName() const override { return "TSpecctraControlDescriptor"; }

  //   (control (off_grid on|off) ... (noise_calculation linear_interpolation|stairstep)
  //    (noise_accumulation RSS|linear) (crosstalk_model cct1|cct1a) (via_at_smd ...))
  // An on or off sets the switch named last; via_at_smd blocks are skipped.
  bool LoadFromFile() override;

  uint8_t Switch(TSpecctraControlSwitch which) const { return FSwitches[which]; }

private:
  // The value word of a two-valued switch: first gives 0, second 1.
  bool LoadChoice(TSpecctraControlSwitch which, int32_t first, int32_t second);

  std::array<uint8_t, eControl_SwitchCount> FSwitches{1, 1, 0, 0, 1, 1, 1, 0, 0, 1, 0, 0, 0, 0};
};
