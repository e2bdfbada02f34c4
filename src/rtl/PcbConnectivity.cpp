#include "rtl/PcbConnectivity.h"

#include "rtl/PcbStrings.h"

std::string TPcbNet::GetName() const { return FromPcbString(FRecord.name); }

void TPcbNet::SetName(std::string_view name) { FRecord.name = ToPcbString(name); }

int32_t TPcbNet::ExchangeRecords(uint8_t message) {
  PCB_ENTRY_POINT(query, PcbApi_QueryNet);
  return ExchangeRecord(message, query, FRecord);
}

int32_t TPcbFromTo::ExchangeRecords(uint8_t message) {
  PCB_ENTRY_POINT(query, PcbApi_QueryFromTo);
  return ExchangeRecord(message, query, FRecord);
}

std::string TPcbManualFromTo::GetText1() const { return FromPcbString(FRecord.text1); }
std::string TPcbManualFromTo::GetText2() const { return FromPcbString(FRecord.text2); }
std::string TPcbManualFromTo::GetText3() const { return FromPcbString(FRecord.text3); }

int32_t TPcbManualFromTo::ExchangeRecords(uint8_t message) {
  PCB_ENTRY_POINT(query, PcbApi_QueryManualFromTo);
  return ExchangeRecord(message, query, FRecord);
}
