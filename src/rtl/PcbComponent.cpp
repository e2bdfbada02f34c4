#include "rtl/PcbComponent.h"

#include "rtl/ObjectFactory.h"
#include "rtl/PcbStrings.h"

std::string TPcbComponent::GetName() const { return PcbObjectNameText(FRecord.designatorText); }

std::string TPcbComponent::GetFootprint() const { return FromPcbString(FRecord.footprint); }

void TPcbComponent::SetFootprint(std::string_view footprint) {
  FRecord.footprint = ToPcbString(footprint);
}

int32_t TPcbComponent::ExchangeRecords(uint8_t message) {
  PCB_ENTRY_POINT(channelOffset, PcbApi_QueryComponentChannelOffset);
  PCB_ENTRY_POINT(componentKind, PcbApi_QueryComponentKind);
  PCB_ENTRY_POINT(query, PcbApi_QueryComponent);
  PCB_ENTRY_POINT(extended, PcbApi_QueryComponentEx);
  PCB_ENTRY_POINT(sourceLinks, PcbApi_QueryComponentSourceLinks);
  PCB_ENTRY_POINT(model, PcbApi_QueryDefaultPCB3DModel);
  CallHost(channelOffset, message, FHandle, &FChannelOffset);
  CallHost(componentKind, message, FHandle, &FComponentKind);
  const int32_t status = ExchangeRecord(message, query, FRecord);
  CallHost(extended, message, FHandle, &FExtended);
  CallHost(sourceLinks, message, FHandle, &FSourceLinks);
  CallHost(model, message, FHandle, &FDefault3DModel);
  return status;
}
