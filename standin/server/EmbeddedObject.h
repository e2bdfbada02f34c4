// An embedded object: a name and a text of at most 4095 bytes that the board keeps for
// programs that store their own data in it.
#pragma once

#include <string>

#include "server/BoardObject.h"

namespace standin {

class TEmbeddedObject final : public TBoardObject {
public:
  static constexpr uint8_t kKind = kPcbObjectEmbedded;
  TEmbeddedObject() : TBoardObject(kKind) {}

  // The text travels zero-terminated in a 4096-byte buffer; bytes after the first zero do not
  // count.
  void Give(PcbEmbeddedRecord& record) const;
  void Take(const PcbEmbeddedRecord& record);
  const PcbShortString& Name() const { return FName; }
  const std::string& Data() const { return FData; }

  void WriteFields(TFieldWriter& writer) const override;
  void ReadFields(TFieldReader& reader) override;

private:
  PcbShortString FName{};
  std::string FData;
};

}  // namespace standin
