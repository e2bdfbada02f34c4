// The placement of a session file: every host component of the board, grouped by footprint,
// written as one (component footprint (place designator x y side rotation)...) block per
// footprint.
#pragma once

#include <map>
#include <string>

#include "common/AsciiText.h"
#include "model/base/SpecctraObject.h"

// One host component as the session writes it.
struct TCompInstancePlacementInfo {
  std::string Designator;
  // Host coordinates of the component origin.
  double X = 0;
  double Y = 0;
  // Not on the top layer.
  bool Back = false;
  // Degrees, as the host holds it.
  double Rotation = 0;
};

class TOutComponentPlacementDescriptor : public TSpecctraObject {
public:
  using TSpecctraObject::TSpecctraObject;
  std::string_view ClassName() const override { return "TOutComponentPlacementDescriptor"; }

  // Every host component of the board; always true.
  bool ImportFromPcb() override;
  // Footprints in name order, each with its components in designator order; always true.
  bool ExportToFile() override;

  void AddHostComponent(PcbHandle handle);
  void AddPlacement(const std::string& footprint, TCompInstancePlacementInfo info);

private:
  // Designator -> placement, duplicates kept in the order they came.
  using TDesignators = std::multimap<std::string, TCompInstancePlacementInfo, TLessIgnoringCase>;
  std::map<std::string, TDesignators, TLessIgnoringCase> FFootprints;
};
