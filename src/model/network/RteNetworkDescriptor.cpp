#include "model/network/RteNetworkDescriptor.h"

#include "model/wiring/RoutedNetContext.h"
#include "model/wiring/SpecctraRoutedNet.h"
#include "rtl/PcbIteration.h"
#include "specctra_io/SpecctraWriter.h"

TSpecctraRteNetworkDescriptor::TSpecctraRteNetworkDescriptor(TSpecctraObject* owner)
    : TSpecctraAbstractNetworkDescriptor(owner),
      FRoutedNets(std::make_unique<TSpecctraList>(true)) {}

TSpecctraRteNetworkDescriptor::~TSpecctraRteNetworkDescriptor() = default;

bool TSpecctraRteNetworkDescriptor::ImportFromPcb() {
  if (!FContext) FContext = std::make_unique<TRoutedNetContext>(*this);
  ForEachPcbObject(GetBoardHandle(), kPcbObjectNet,
                   [this](PcbHandle hostNet) { AddRoutedNet(hostNet); });
  return true;
}

bool TSpecctraRteNetworkDescriptor::AddRoutedNet(PcbHandle hostNet) {
  auto routedNet = std::make_unique<TSpecctraRoutedNet>(this, hostNet, FContext.get());
  if (!routedNet->ImportFromPcb()) return false;
  FRoutedNets->Add(std::move(routedNet));
  return true;
}

bool TSpecctraRteNetworkDescriptor::ExportToFile() {
  TSpecctraWriter& writer = *Writer();
  writer.WriteLine("(network_out ", true);
  writer.IndentIn(1);
  ExportAllToFile(FRoutedNets.get());
  writer.IndentOut(1);
  writer.WriteLine(")", true);
  return true;
}
