#include "model/geometry/ShapeHostLookups.h"

#include <string>

#include "model/network/SpecctraNet.h"
#include "model/structure/SpecctraLayer.h"

PcbLayerNumber MappedHostLayer(TSpecctraObject& layer) {
  const auto* found = dynamic_cast<const TSpecctraLayer*>(&layer);
  return found ? found->HostLayerId() : 0;
}

void ReportUnmappedUse(const TSpecctraObject& reporter, TSpecctraObject& layer,
                       std::string_view kind) {
  auto* found = dynamic_cast<TSpecctraLayer*>(&layer);
  if (found && found->FirstUnmappedUse(kind))
    reporter.ReportWarning("Layer " + layer.Name() + " has no host layer: its " +
                           std::string(kind) + " are not created.");
}

PcbHandle HostNetOfNet(TSpecctraObject& net) {
  auto* found = dynamic_cast<TSpecctraNet*>(&net);
  return found ? found->GetHostNet() : 0;
}

PcbHandle ExistingHostNet(TSpecctraObject& net) {
  return dynamic_cast<TSpecctraNet*>(&net) ? net.HostHandle() : 0;
}
