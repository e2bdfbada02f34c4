#include "model/geometry/ShapeHostPrimitives.h"

#include <memory>

#include "rtl/PcbPolygons.h"
#include "rtl/PcbServerAccess.h"

namespace {

constexpr std::size_t kMaxOutlineVertices = kPcbOutlineCapacity - 1;
constexpr int32_t kRegionPropertyValue = 0;

bool IsInternalPlane(PcbLayerNumber layer) {
  return layer >= kInternalPlane1 && layer <= kInternalPlane16;
}

// Layer, net and outline of a new split plane or polygon; written, then added to the board.
template <class Wrapper>
PcbHandle AddOutlined(Wrapper& wrapper, const THostPlacement& placement,
                      std::span<const TPcbPoint> outline) {
  wrapper.SetLayer(placement.Layer);
  wrapper.SetNet(placement.Net);
  wrapper.SetKeepout(placement.Keepout);
  wrapper.SetOutline(outline);
  wrapper.Update(kPcbMessageWrite);
  return AddNewObjectToContainer(placement.Container, wrapper.GetHandle()) ? wrapper.GetHandle()
                                                                           : 0;
}

// Releases the server's contour on every way out.
class TContourGuard {
public:
  explicit TContourGuard(host::IPCB_ServerInterface& server) : FServer(server) {}
  ~TContourGuard() {
    if (FContour) FServer.DestroyContour(FContour);
  }
  host::IPCB_Contour** Out() { return &FContour; }
  host::IPCB_Contour* Get() const { return FContour; }

private:
  host::IPCB_ServerInterface& FServer;
  host::IPCB_Contour* FContour = nullptr;
};

bool FillContour(host::IPCB_Contour& contour, std::span<const TPcbPoint> outline) {
  if (contour.SetCount(static_cast<int32_t>(outline.size())) != host::kOk) return false;
  for (std::size_t i = 0; i < outline.size(); ++i)
    if (contour.SetPoint(static_cast<int32_t>(i), outline[i].X, outline[i].Y) != host::kOk)
      return false;
  return true;
}

}  // namespace

bool AddNewObjectToContainer(PcbHandle container, PcbHandle object) {
  if (AddPcbObjectToContainer(container, object) == kPcbOk) return true;
  if (object) DestroyPcbObject(object);
  return false;
}

bool FitsHostOutline(std::span<const TPcbPoint> points) {
  if (points.size() <= kMaxOutlineVertices) return true;
  return points.size() == kMaxOutlineVertices + 1 && points.front() == points.back();
}

PcbHandle AddHostSplitPlane(const THostPlacement& placement, std::span<const TPcbPoint> outline) {
  auto plane = std::make_unique<TPcbSplitPlane>(CreatePcbObject(kPcbObjectSplitPlane));
  plane->Update(kPcbMessageRead);
  return AddOutlined(*plane, placement, outline);
}

PcbHandle AddHostPolygon(const THostPlacement& placement, int32_t trackWidth,
                         std::span<const TPcbPoint> outline) {
  if (IsInternalPlane(placement.Layer)) return AddHostSplitPlane(placement, outline);
  auto polygon = std::make_unique<TPcbPolygon>(CreatePcbObject(kPcbObjectPolygon));
  polygon->Update(kPcbMessageRead);
  polygon->SetPourStyle(1);
  polygon->SetWidth(trackWidth);
  polygon->SetGrid(3 * trackWidth);
  polygon->SetOption(0);
  return AddOutlined(*polygon, placement, outline);
}

bool AddHostRegion(const THostPlacement& placement, std::span<const TPcbPoint> outline,
                   std::string& error) {
  host::IPCB_ServerInterface* server = PcbServerInterface();
  if (!server) {
    error = "the host's PCB server is not running";
    return false;
  }
  host::IPCB_Object* object = nullptr;
  if (server->CreateObject(kPcbObjectRegion, 0, 0, &object) != host::kOk || !object) {
    error = "the host refused to create a region";
    return false;
  }
  // Regions created by the server interface answer the region calls.
  auto* region = static_cast<host::IPCB_Region*>(object);
  PcbHandle handle = 0;
  region->GetObjectHandle(&handle);
  TContourGuard contour(*server);
  const bool filled =
      region->SetKind(kRegionPropertyValue) == host::kOk &&
      region->SetKeepout(placement.Keepout) == host::kOk &&
      region->SetLayer(LayerIdOf(placement.Layer)) == host::kOk &&
      server->CreateContour(contour.Out()) == host::kOk && contour.Get() &&
      FillContour(*contour.Get(), outline) && region->SetOutlineContour(contour.Get()) == host::kOk;
  if (!filled) {
    if (handle) DestroyPcbObject(handle);
    error = "the host refused the region's properties or outline";
    return false;
  }
  if (!AddNewObjectToContainer(placement.Container, handle)) {
    error = "the region could not be added";
    return false;
  }
  return true;
}
