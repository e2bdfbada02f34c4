// The host objects behind the layers and nets that shapes name.
#pragma once

#include <string_view>

#include "host/PcbApi.h"

class TSpecctraObject;

// The host layer number a layer of the layer stack is mapped to; 0 when it is not mapped or
// the object is no layer.
PcbLayerNumber MappedHostLayer(TSpecctraObject& layer);
// The first time objects of the kind (a plural: "wires", "pads") ask for a stack layer while
// it is not mapped, the reporter warns that they are not created; later asks say nothing.
void ReportUnmappedUse(const TSpecctraObject& reporter, TSpecctraObject& layer,
                       std::string_view kind);
// The host net of a net of the network, made on first use; 0 when the object is no net.
PcbHandle HostNetOfNet(TSpecctraObject& net);
// The host net a net of the network has now, without making one; 0 while it has none.
PcbHandle ExistingHostNet(TSpecctraObject& net);
