#include "model/wiring/HostLayerNames.h"

#include "rtl/PcbBoardCalls.h"
#include "rtl/PcbStrings.h"

const std::string& THostLayerNames::Name(PcbLayerNumber layer) const {
  std::optional<std::string>& name = FNames.at(layer);
  if (!name) {
    PcbLayerRecord record{};
    QueryPcbLayer(kPcbMessageRead, layer, FBoard, record);
    name = FromPcbString(record.name);
  }
  return *name;
}
