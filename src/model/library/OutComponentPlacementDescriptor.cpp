#include "model/library/OutComponentPlacementDescriptor.h"

#include <cmath>

#include "common/NumberFormat.h"
#include "model/base/SpecctraText.h"
#include "rtl/PcbComponent.h"
#include "rtl/PcbIteration.h"
#include "specctra_io/SpecctraWriter.h"

namespace {

int32_t HostCoordinate(double value) {
  return static_cast<int32_t>(std::nearbyint(value));
}

// A rotation in the session's range, 0 up to 360 degrees.
double SessionRotation(double degrees) {
  double rotation = std::fmod(degrees, 360.0);
  if (rotation < 0) rotation += 360.0;
  return rotation == 0 || rotation >= 360.0 ? 0.0 : rotation;  // no -0, no 360
}

}  // namespace

bool TOutComponentPlacementDescriptor::ImportFromPcb() {
  ForEachPcbObject(GetBoardHandle(), kPcbObjectComponent,
                   [&](PcbHandle handle) { AddHostComponent(handle); });
  return true;
}

void TOutComponentPlacementDescriptor::AddHostComponent(PcbHandle handle) {
  TPcbComponent component(handle);
  component.Update(kPcbMessageRead);
  TCompInstancePlacementInfo info;
  info.Designator = component.GetName();
  info.X = component.GetX();
  info.Y = component.GetY();
  info.Back = component.GetLayer() != kTopLayer;
  info.Rotation = component.GetRotation();
  AddPlacement(component.GetFootprint(), std::move(info));
}

void TOutComponentPlacementDescriptor::AddPlacement(const std::string& footprint,
                                                    TCompInstancePlacementInfo info) {
  std::string designator = info.Designator;
  FFootprints[footprint].emplace(std::move(designator), std::move(info));
}

bool TOutComponentPlacementDescriptor::ExportToFile() {
  TSpecctraWriter& writer = *Writer();
  for (const auto& [footprint, designators] : FFootprints) {
    writer.WriteLine("(component " + QuoteName(footprint), true);
    writer.IndentIn(1);
    for (const auto& [designator, info] : designators) {
      // The import gives a part the design's rotation on either side, so the host rotation
      // is written back as it stands.
      const double rotation = SessionRotation(info.Rotation);
      writer.WriteLine("(place " + QuoteName(designator) + " " +
                           FormatNumber(ToSpecctraX(HostCoordinate(info.X))) + " " +
                           FormatNumber(ToSpecctraY(HostCoordinate(info.Y))) + " " +
                           (info.Back ? "back" : "front") + " " + FormatNumber(rotation) + ")",
                       true);
    }
    writer.IndentOut(1);
    writer.WriteLine(")", true);
  }
  return true;
}
