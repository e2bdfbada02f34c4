#include "model/geometry/ShapeHostLookups.h"

#include "model/structure/SpecctraLayer.h"

PcbLayerNumber MappedHostLayer(TSpecctraObject& layer) {
  const auto* found = dynamic_cast<const TSpecctraLayer*>(&layer);
  return found ? found->HostLayerId() : 0;
}

// Pending: the network is not on this branch yet; no net has a host net.
PcbHandle HostNetOfNet(TSpecctraObject&) { return 0; }
PcbHandle ExistingHostNet(TSpecctraObject&) { return 0; }
