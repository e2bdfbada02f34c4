// Where test points may be placed for the rule's owner:
//   (testpoint (allow_antenna on|off) (insert on|off) (pin_allow on|off)
//              (side front|back|both) (center_center d) (comp_edge_center d) (max_len d)
//              (image_outline_clearance d) (comp name ...) (use_via padstack ...)
//              (grid g [(direct x|y)] [(offset o)]))
// Kept from the design; the board has no rule for it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/rules/AbstractRule.h"

class TSpecctraTestpointRule : public TSpecctraAbstractRule {
public:
  explicit TSpecctraTestpointRule(TAbstractRuleScope& scope);
  std::string_view ClassName() const override { return "TSpecctraTestpointRule"; }

  bool LoadFromFile() override;

  bool AllowAntenna() const { return FAllowAntenna; }
  bool Insert() const { return FInsert; }
  bool PinAllow() const { return FPinAllow; }
  // 0 front, 1 back, 2 both.
  uint8_t Side() const { return FSide; }
  double MaxLength() const { return FMaxLength; }
  double CenterCenter() const { return FCenterCenter; }
  double GridX() const { return FGridX; }
  double GridY() const { return FGridY; }
  double GridOffset() const { return FGridOffset; }
  double ImageOutlineClearance() const { return FImageOutlineClearance; }
  const std::vector<std::string>& Components() const { return FComponents; }
  const std::vector<std::string>& ViaPadstacks() const { return FViaPadstacks; }

private:
  bool LoadSwitch(bool& flag);
  bool LoadSide();
  bool LoadValue(double& value);
  bool LoadNames(std::vector<std::string>& names);
  bool LoadGrid();

  bool FAllowAntenna = true;
  double FMaxLength = 0;
  double FCenterCenter = 0;
  double FGridX = 0;
  double FGridY = 0;
  double FGridOffset = 0;
  double FImageOutlineClearance = 0;
  bool FInsert = false;
  bool FPinAllow = false;
  uint8_t FSide = 1;
  std::vector<std::string> FComponents;
  std::vector<std::string> FViaPadstacks;
};
