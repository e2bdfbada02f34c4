// Wrapper of a host embedded object: a name and a text of at most 4095 bytes kept in the
// board document (the translator stores its own data there).
#pragma once

#include "rtl/PcbObject.h"

class TPcbEmbedded : public TPCBObject {
public:
  explicit TPcbEmbedded(PcbHandle handle = 0) : TPCBObject(handle, kPcbObjectEmbedded) {}

  std::string GetName() const override;
  void SetName(std::string_view name) override;
  // The text up to its terminating zero.
  std::string GetData() const;
  // Cut to 4095 bytes so that the terminating zero fits.
  void SetData(std::string_view data);

protected:
  int32_t ExchangeRecords(uint8_t message) override;

private:
  PcbEmbeddedRecord FRecord{};
};
