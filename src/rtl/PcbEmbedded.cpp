#include "rtl/PcbEmbedded.h"

#include <algorithm>
#include <cstring>

#include "rtl/PcbStrings.h"

std::string TPcbEmbedded::GetName() const { return FromPcbString(FRecord.name); }

void TPcbEmbedded::SetName(std::string_view name) { FRecord.name = ToPcbString(name); }

std::string TPcbEmbedded::GetData() const {
  return std::string(FRecord.data, ::strnlen(FRecord.data, sizeof(FRecord.data)));
}

void TPcbEmbedded::SetData(std::string_view data) {
  const std::size_t length = std::min(data.size(), sizeof(FRecord.data) - 1);
  std::memcpy(FRecord.data, data.data(), length);
  std::memset(FRecord.data + length, 0, sizeof(FRecord.data) - length);
}

int32_t TPcbEmbedded::ExchangeRecords(uint8_t message) {
  PCB_ENTRY_POINT(query, PcbApi_QueryEmbedded);
  return ExchangeRecord(message, query, FRecord);
}
