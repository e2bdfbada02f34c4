// The padstacks shared by the design's library section and the library_out section of routes
// and session files, in file (or load) order and found by name.
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

#include "model/base/SpecctraList.h"
#include "model/files/FileSection.h"
#include "model/library/SpecctraPadstack.h"

class TSpecctraAbstractLibraryDescriptor : public TSpecctraFileSectionDescriptor {
public:
  using TSpecctraFileSectionDescriptor::TSpecctraFileSectionDescriptor;
  std::string_view ClassName() const override { return "TSpecctraAbstractLibraryDescriptor"; }

  // The first padstack of that name (letter case ignored), or nil.
  TSpecctraPadstack* FindPadstack(std::string_view name) const;
  // Nil outside 0 .. PadstackCount() - 1.
  TSpecctraPadstack* PadstackAt(int32_t index) const;
  int32_t PadstackCount() const { return FPadstacks.Count(); }
  // Appended and filed under its name; a second padstack of a name is kept but not found.
  void AddPadstack(std::unique_ptr<TSpecctraPadstack> padstack);
  // A padstack that failed to load: kept, never used, because the rule scope it opened stays
  // in the rule collection and names it.
  void KeepFailedPadstack(std::unique_ptr<TSpecctraPadstack> padstack);

private:
  TSpecctraList FPadstacks;
  TSpecctraList FFailedPadstacks;
};

// The stored padstack list's record type; its PDC value is the number of stored padstacks.
inline constexpr std::string_view kPadstackListType = "PadstackList";
