#include "model/network/RteNetworkDescriptor.h"

#include "model/wiring/RoutedNetContext.h"
#include "model/wiring/SpecctraRoutedNet.h"
#include "rtl/PcbIteration.h"
#include "rtl/PcbProgress.h"
#include "specctra_io/SpecctraWriter.h"

TSpecctraRteNetworkDescriptor::TSpecctraRteNetworkDescriptor(TSpecctraObject* owner)
    : TSpecctraAbstractNetworkDescriptor(owner),
      FRoutedNets(std::make_unique<TSpecctraList>(true)) {}

TSpecctraRteNetworkDescriptor::~TSpecctraRteNetworkDescriptor() = default;

TSpecctraRoutedNet& TSpecctraRteNetworkDescriptor::RoutedNetAt(int32_t index) const {
  return static_cast<TSpecctraRoutedNet&>(*FRoutedNets->ObjectAt(index));
}

// The host's progress bar advances by one step per net read.
bool TSpecctraRteNetworkDescriptor::ImportFromPcb() {
  if (!FContext) FContext = std::make_unique<TRoutedNetContext>(*this);
  std::vector<PcbHandle> hostNets;
  ForEachPcbObject(GetBoardHandle(), kPcbObjectNet,
                   [&](PcbHandle hostNet) { hostNets.push_back(hostNet); });
  TPcbProgressTask progress("Reading the board's routing", static_cast<int64_t>(hostNets.size()));
  for (const PcbHandle hostNet : hostNets) {
    AddRoutedNet(hostNet);
    progress.Advance(1);
  }
  return true;
}

bool TSpecctraRteNetworkDescriptor::AddRoutedNet(PcbHandle hostNet) {
  auto routedNet = std::make_unique<TSpecctraRoutedNet>(this, hostNet, FContext.get());
  if (!routedNet->ImportFromPcb()) return false;
  FRoutedNets->Add(std::move(routedNet));
  return true;
}

// The host's progress bar advances by one step per wire or via written, net by net.
bool TSpecctraRteNetworkDescriptor::ExportToFile() {
  TSpecctraWriter& writer = *Writer();
  writer.WriteLine("(network_out ", true);
  writer.IndentIn(1);
  int64_t objects = 0;
  for (int32_t i = 0; i < FRoutedNets->Count(); ++i)
    objects += RoutedNetAt(i).WrittenObjectCount();
  TPcbProgressTask progress("Writing " + writer.FileName(), objects);
  for (int32_t i = 0; i < FRoutedNets->Count(); ++i) {
    TSpecctraRoutedNet& net = RoutedNetAt(i);
    if (!net.ExportToFile()) break;
    progress.Advance(net.WrittenObjectCount());
  }
  writer.IndentOut(1);
  writer.WriteLine(")", true);
  return true;
}
