#include "model/geometry/ShapeHostLookups.h"

// Pending: the layer stack and the network are not on this branch yet; no layer is mapped
// and no net has a host net.
PcbLayerNumber MappedHostLayer(TSpecctraObject&) { return 0; }
PcbHandle HostNetOfNet(TSpecctraObject&) { return 0; }
PcbHandle ExistingHostNet(TSpecctraObject&) { return 0; }
