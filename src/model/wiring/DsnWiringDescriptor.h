// The wiring section of a design: pre-routed wires and vias that the import builds on the
// board, and the via numbers it keeps in the board for the exports.
#pragma once

#include "model/wiring/AbstractWiringDescriptor.h"

class TSpecctraDSNWiringDescriptor : public TSpecctraAbstractWiringDescriptor {
public:
  using TSpecctraAbstractWiringDescriptor::TSpecctraAbstractWiringDescriptor;
  std::string_view ClassName() const override { return "TSpecctraDSNWiringDescriptor"; }

  //   (wiring (resolution u n) (unit u) (wire ...) (via ...) (bond ...) (test_points ...)
  //           (supply_pin ...))
  bool LoadFromFile() override;
  // Wires (up to the first that fails), then every via, then the via tags; lengths of a
  // section with its own resolution are divided by it meanwhile. Always true.
  bool ExportToPcb() override;
  // The tags of via numbers 1 .. 126 at the host positions of their vias.
  void StoreViaTags();
  TSpecctraList& TestPoints() { return FTestPoints; }

private:
  bool LoadSectionResolution();
  bool LoadTestPoints();
  bool FOwnUnit = false;
  TSpecctraList FTestPoints;
};
