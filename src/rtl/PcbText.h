// Wrapper of a host text: the text record, its TrueType and bar-code settings and the text as
// the board shows it (read only).
#pragma once

#include "rtl/PcbObject.h"

class TPcbText : public TPCBObject {
public:
  explicit TPcbText(PcbHandle handle = 0);

  // At most 254 bytes.
  std::string GetText() const override;
  void SetText(std::string_view text) override;
  double GetRotation() const override { return FRecord.rotation; }
  void SetRotation(double rotation) override { FRecord.rotation = rotation; }
  std::string GetFontName() const;
  // The text as the board displays it, as last read.
  std::string GetDisplayString() const;

protected:
  // Text record, TrueType settings, display string (read only) and bar-code settings. Answers
  // the TrueType exchange's status, or 1 when the bar-code exchange fails.
  int32_t ExchangeRecords(uint8_t message) override;

private:
  PcbTextRecord FRecord{};
  PcbTrueTypeTextRecord FTrueType{};
  PcbString254 FDisplayString{};
  PcbBarCodeTextRecord FBarCode{};
};
