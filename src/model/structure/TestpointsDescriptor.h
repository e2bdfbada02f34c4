// The test points section of routes and session files: every host pad and via marked as a
// test point on either side of the board.
#pragma once

#include "model/base/SpecctraList.h"
#include "model/files/FileSection.h"

class TPCBObject;

class TSpecctraTestpointsDescriptor : public TSpecctraFileSectionDescriptor {
public:
  using TSpecctraFileSectionDescriptor::TSpecctraFileSectionDescriptor;
  std::string_view ClassName() const override { return "TSpecctraTestpointsDescriptor"; }

  // The board's pads, then its vias, that carry a test-point flag. Answers true.
  bool ImportFromPcb() override;
  // (test_points (point ...) ...)
  bool ExportToFile() override;

  const TSpecctraList& TestPoints() const { return FTestPoints; }

private:
  void AddIfTestPoint(const TPCBObject& object);

  TSpecctraList FTestPoints;
};
