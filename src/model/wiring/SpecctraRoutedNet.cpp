#include "model/wiring/SpecctraRoutedNet.h"

#include "model/base/BoardHelpers.h"
#include "model/base/SpecctraText.h"
#include "specctra_io/SpecctraWriter.h"

TSpecctraRoutedNet::TSpecctraRoutedNet(TSpecctraObject* owner, PcbHandle hostNet)
    : TSpecctraFileSectionDescriptor(owner) {
  SetHostHandle(hostNet);
}

bool TSpecctraRoutedNet::ImportFromPcb() {
  if (!HostHandle()) return false;
  SetName(HostNetName(HostHandle()));
  return true;
}

bool TSpecctraRoutedNet::ExportToFile() {
  TSpecctraWriter& writer = *Writer();
  writer.WriteLine("(net " + QuoteName(Name()), true);
  // The net's wires and vias will go one level deeper, between these two lines.
  writer.WriteLine(")", true);
  return true;
}
