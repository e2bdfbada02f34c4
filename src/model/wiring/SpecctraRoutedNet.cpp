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
  std::unique_ptr<TRoutedNetContext> own;
  if (!FContext) own = std::make_unique<TRoutedNetContext>(*this);
  const TRoutedNetContext& context = FContext ? *FContext : *own;
  ImportWires(context);
  ImportVias(context);
  ApplyViaTags(context);
  return true;
}

// Tracks, then copper polygons, then split planes (polygon wires on plane layers). Outlines
// the import traced around planes and keepouts are no copper and stay out, as do the solids of
// the planes they trace and the split plane that is a plane layer's own.
void TSpecctraRoutedNet::ImportWires(const TRoutedNetContext& context) {
  TSpecctraList& wires = EnsureWires();
  const auto& written = TranslationState().WrittenObjects;
  const TPlaneOutlineEdges outlines(HostHandle());
  ForEachPcbObject(HostHandle(), kPcbObjectTrack, [&](PcbHandle track) {
    if (written.contains(std::to_string(track)) || outlines.IsOutlineTrack(track)) return;
    auto wire = std::make_unique<TSpecctraWire>(this);
    wire->SetHostHandle(track);
    if (wire->ImportFromPcb()) wires.Add(std::move(wire));
  });
  ForEachPcbObject(HostHandle(), kPcbObjectPolygon, [&](PcbHandle polygon) {
    if (written.contains(std::to_string(polygon)) || outlines.IsTracedSolid(polygon)) return;
    auto wire = std::make_unique<TSpecctraWire>(this);
    wire->SetHostHandle(polygon);
    if (wire->ImportHostPolygon()) wires.Add(std::move(wire));
  });
  ForEachPcbObject(HostHandle(), kPcbObjectSplitPlane, [&](PcbHandle plane) {
    if (written.contains(std::to_string(plane)) || outlines.IsTracedSolid(plane) ||
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

bool TSpecctraRoutedNet::ExportToFile() {
  TSpecctraWriter& writer = *Writer();
  writer.WriteLine("(net " + QuoteName(Name()), true);
  writer.IndentIn(1);
  if (Wires()) ExportAllToFile(Wires());
  if (Vias()) ExportAllToFile(Vias());
  writer.IndentOut(1);
  writer.WriteLine(")", true);
  return true;
}
