#include "model/wiring/LayerPlaneFills.h"

#include "common/AsciiText.h"
#include "model/base/BoardHelpers.h"
#include "rtl/LayerObjects.h"
#include "rtl/PcbBoard.h"
#include "rtl/PcbPolygons.h"

TLayerPlaneFills::TLayerPlaneFills(PcbHandle board) {
  TPcbBoard pcb(board);
  pcb.Update(kPcbMessageRead);
  for (PcbLayerNumber layer = kInternalPlane1; layer <= kInternalPlane16; ++layer) {
    const TInternalPlane* plane = pcb.InternalPlane(layer);
    if (plane && pcb.IsInStack(*plane))
      FPlaneNets[LayerIdOf(layer)] = AsciiUpperText(plane->GetPlaneNetName());
  }
  if (FPlaneNets.empty() || !pcb.GetBoardOutline()) return;
  TPcbBoardOutline outline(pcb.GetBoardOutline());
  outline.Update(kPcbMessageRead);
  FBoardRing = ClosedRing(outline.GetOutline());
}

bool TLayerPlaneFills::IsLayerPlaneFill(PcbHandle splitPlane) const {
  TPcbSplitPlane plane(splitPlane);
  plane.Update(kPcbMessageRead);
  const auto layer = FPlaneNets.find(plane.GetLayerId());
  if (layer == FPlaneNets.end() || !plane.GetNet() || FBoardRing.empty()) return false;
  return AsciiUpperText(HostNetName(plane.GetNet())) == layer->second &&
         ClosedRing(plane.GetOutline()) == FBoardRing;
}
