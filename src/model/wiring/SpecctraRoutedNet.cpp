#include "model/wiring/SpecctraRoutedNet.h"

#include "model/base/BoardHelpers.h"
#include "model/base/SpecctraText.h"
#include "model/library/SpecctraViaInstance.h"
#include "model/wiring/PlaneOutlineEdges.h"
#include "model/wiring/RoutedNetContext.h"
#include "model/wiring/SpecctraWire.h"
#include "rtl/PcbIteration.h"
#include "rtl/TranslationState.h"
#include "specctra_io/SpecctraWriter.h"

TSpecctraRoutedNet::TSpecctraRoutedNet(TSpecctraObject* owner, PcbHandle hostNet,
                                       const TRoutedNetContext* context)
    : TSpecctraAbstractWiringDescriptor(owner), FContext(context) {
  SetHostHandle(hostNet);
}

TSpecctraRoutedNet::~TSpecctraRoutedNet() = default;

bool TSpecctraRoutedNet::ImportFromPcb() {
  if (!HostHandle()) return false;
  SetName(HostNetName(HostHandle()));
  if (!FContext) {
    FOwnContext = std::make_unique<TRoutedNetContext>(*this);
    FContext = FOwnContext.get();
  }
  const TRoutedNetContext& context = *FContext;
  ImportWires(context);
  ImportVias(context);
  ApplyViaTags(context);
  return true;
}

// Tracks, then copper polygons, then split planes (polygon wires on plane layers). Outlines
// the import traced around planes and keepouts are no copper and stay out, as do the solids of
// the planes they trace and the split plane that is a plane layer's own. Plain tracks are kept
// as records; polygons and split planes, few and of any size, as wire objects.
void TSpecctraRoutedNet::ImportWires(const TRoutedNetContext& context) {
  TSpecctraList& wires = EnsureWires();
  TPcbHandleSet& written = TranslationState().WrittenObjects;
  const std::vector<TRoutedTrack> tracks = ReadNetTracks(HostHandle());
  const TPlaneOutlineEdges outlines(HostHandle(), tracks);
  FTracks.Reserve(tracks.size());
  for (const TRoutedTrack& track : tracks) {
    if (written.Contains(track.Handle) || outlines.IsOutlineTrack(track)) continue;
    FTracks.Add(track);
    written.Insert(track.Handle);
  }
  ForEachPcbObject(HostHandle(), kPcbObjectPolygon, [&](PcbHandle polygon) {
    if (written.Contains(polygon) || outlines.IsTracedSolid(polygon)) return;
    auto wire = std::make_unique<TSpecctraWire>(this);
    wire->SetHostHandle(polygon);
    if (wire->ImportHostPolygon()) wires.Add(std::move(wire));
  });
  ForEachPcbObject(HostHandle(), kPcbObjectSplitPlane, [&](PcbHandle plane) {
    if (written.Contains(plane) || outlines.IsTracedSolid(plane) ||
        context.PlaneFills.IsLayerPlaneFill(plane))
      return;
    auto wire = std::make_unique<TSpecctraWire>(this);
    wire->SetHostHandle(plane);
    if (wire->ImportHostSplitPlane()) wires.Add(std::move(wire));
  });
}

void TSpecctraRoutedNet::ImportVias(const TRoutedNetContext& context) {
  TSpecctraList& vias = EnsureVias();
  const std::vector<TViaPadstackFacts> none;
  const auto& padstacks = context.Padstacks ? *context.Padstacks : none;
  ForEachPcbObject(HostHandle(), kPcbObjectVia, [&](PcbHandle handle) {
    auto via = std::make_unique<TSpecctraViaInstance>(this);
    via->SetHostHandle(handle);
    via->ImportHostVia(context.Planes, padstacks, context.Padstacks.has_value());
    vias.Add(std::move(via));
  });
}

void TSpecctraRoutedNet::ApplyViaTags(const TRoutedNetContext& context) {
  if (context.ViaTags.Count() == 0 || !Vias()) return;
  const std::vector<TViaPadstackFacts> none;
  const auto& padstacks = context.Padstacks ? *context.Padstacks : none;
  for (int32_t i = 0; i < Vias()->Count(); ++i) {
    auto& via = static_cast<TSpecctraViaInstance&>(*Vias()->ObjectAt(i));
    const std::optional<int32_t> tag = context.ViaTags.Find(via.Position().X, via.Position().Y);
    if (!tag) continue;
    via.SetViaNumber(context.ViaTags.Item(*tag).Number);
    if (via.ViaNumber() != 0) via.ChoosePadstack(padstacks, context.Padstacks.has_value());
  }
}

int32_t TSpecctraRoutedNet::WireCount() const {
  return static_cast<int32_t>(FTracks.Count()) + (Wires() ? Wires()->Count() : 0);
}

int64_t TSpecctraRoutedNet::WrittenObjectCount() const {
  return WireCount() + (Vias() ? Vias()->Count() : 0);
}

bool TSpecctraRoutedNet::ExportToFile() {
  TSpecctraWriter& writer = *Writer();
  writer.WriteLine("(net " + QuoteName(Name()), true);
  writer.IndentIn(1);
  if (FTracks.Count() > 0) FTracks.Write(writer, FContext->LayerNames);
  if (Wires()) ExportAllToFile(Wires());
  if (Vias()) ExportAllToFile(Vias());
  writer.IndentOut(1);
  writer.WriteLine(")", true);
  return true;
}
