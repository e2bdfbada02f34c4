// The placement section of a design: the component blocks with their placed parts, put on
// the board after the library.
//   (placement (unit u) (resolution u n) (flip_style mirror_first|rotate_first)
//              (place_control (flip_style ...)) (component image (place ...)...)...)
#pragma once

#include <cstdint>

#include "model/base/SpecctraList.h"
#include "model/files/FileSection.h"

class TSpecctraPlacementDescriptor : public TSpecctraFileSectionDescriptor {
public:
  using TSpecctraFileSectionDescriptor::TSpecctraFileSectionDescriptor;
  std::string_view ClassName() const override { return "TSpecctraPlacementDescriptor"; }

  // Entered after the keyword placement.
  bool LoadFromFile() override;
  // Places the instances in order up to the first that fails; the last result.
  bool ExportToPcb() override;

  // 0 mirror first, 1 rotate first; held, not used.
  uint8_t FlipStyle() const { return FFlipStyle; }
  TSpecctraList& Instances() { return FInstances; }

  // (component image (place ...)...), after the keyword component.
  bool ParseComponent();

private:
  bool HandleStatement(int32_t id, bool& result);
  bool LoadFlipStyle();

  uint8_t FFlipStyle = 0;
  TSpecctraList FInstances;
};
