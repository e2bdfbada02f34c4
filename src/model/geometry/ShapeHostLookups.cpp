#include "model/geometry/ShapeHostLookups.h"

#include "model/network/SpecctraNet.h"
#include "model/structure/SpecctraLayer.h"

PcbLayerNumber MappedHostLayer(TSpecctraObject& layer) {
  const auto* found = dynamic_cast<const TSpecctraLayer*>(&layer);
  return found ? found->HostLayerId() : 0;
}

bool FirstUnmappedUse(TSpecctraObject& layer, std::string_view kind) {
  auto* found = dynamic_cast<TSpecctraLayer*>(&layer);
  return found && found->FirstUnmappedUse(kind);
}

PcbHandle HostNetOfNet(TSpecctraObject& net) {
  auto* found = dynamic_cast<TSpecctraNet*>(&net);
  return found ? found->GetHostNet() : 0;
}

PcbHandle ExistingHostNet(TSpecctraObject& net) {
  return dynamic_cast<TSpecctraNet*>(&net) ? net.HostHandle() : 0;
}
