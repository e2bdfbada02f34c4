#include "rtl/PcbText.h"

#include "rtl/PcbFixedStrings.h"
#include "rtl/PcbStrings.h"

namespace {

constexpr int32_t kDefaultTrueTypeValue = 200000;  // 20 mil

}  // namespace

TPcbText::TPcbText(PcbHandle handle) : TPCBObject(handle, kPcbObjectText) {
  FTrueType.fontName = ToPcbString("Arial");
  FTrueType.reserved5 = kDefaultTrueTypeValue;
}

std::string TPcbText::GetText() const { return FromPcbString(FRecord.text); }

void TPcbText::SetText(std::string_view text) { FRecord.text = ToPcbString254(text); }

std::string TPcbText::GetFontName() const { return FromPcbString(FTrueType.fontName); }

std::string TPcbText::GetDisplayString() const { return FromPcbString(FDisplayString); }

int32_t TPcbText::ExchangeRecords(uint8_t message) {
  PCB_ENTRY_POINT(query, PcbApi_QueryText);
  PCB_ENTRY_POINT(trueType, PcbApi_QueryTrueTypeTextInfo);
  PCB_ENTRY_POINT(display, PcbApi_GetDesignatorDisplayString);
  PCB_ENTRY_POINT(barCode, PcbApi_QueryBarCodeTextInfo);
  ExchangeRecord(message, query, FRecord);
  const int32_t status = CallHost(trueType, message, FHandle, &FTrueType);
  if (message == kPcbMessageRead) CallHost(display, FHandle, &FDisplayString);
  if (CallHost(barCode, message, FHandle, &FBarCode) == kPcbFail) return kPcbFail;
  return status;
}
