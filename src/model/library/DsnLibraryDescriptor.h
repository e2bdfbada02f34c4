// The library section of a design: padstacks, images (footprints), jumpers, via array
// templates, directories and the family and image pairs. On import it stores the padstacks
// inside the board, for later routes exports, and rebuilds the board's drill pairs.
#pragma once

#include <cstddef>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "common/AsciiText.h"
#include "model/library/AbstractLibraryDescriptor.h"

class TSpecctraDSNLibraryDescriptor : public TSpecctraAbstractLibraryDescriptor {
public:
  explicit TSpecctraDSNLibraryDescriptor(TSpecctraObject* owner)
      : TSpecctraAbstractLibraryDescriptor(owner) {}
  std::string_view ClassName() const override { return "TSpecctraDSNLibraryDescriptor"; }

  //   (library (padstack ...) (image ...) (jumper ...) (via_array_template ...)
  //            (directory PATH ...) (extra_image_directory PATH) (family_family ...)
  //            (image_image ...) (unit U))
  bool LoadFromFile() override;
  // Stores the padstacks in the board, then rebuilds its drill pairs. Always true.
  bool ExportToPcb() override;

  // The first image of that name (letter case ignored), or nil.
  TSpecctraObject* FindImage(std::string_view name) const;
  TSpecctraList& Images() { return FImages; }
  TSpecctraList& Jumpers() { return FJumpers; }
  TSpecctraList& ViaArrayTemplates() { return FViaArrayTemplates; }
  const std::vector<std::string>& Directories() const { return FDirectories; }
  const std::string& ExtraImageDirectory() const { return FExtraImageDirectory; }

  // The padstack list record and one record per padstack that fits the board's texts.
  void StorePadstacks();
  // Empties the board's drill pairs and adds one per pair of top and bottom pad layers, named
  // after the first padstack that spans it.
  void CreateDrillPairs();

private:
  // Creates a member of the class, lets it load its block, keeps it in the list on success
  // and closes the block in the library's depth; answers the member's load result.
  template <class Member>
  bool ParseMember(TSpecctraList& list);
  bool ParsePadstack();
  bool ParseImage();
  bool ParseJumper();
  bool ParseViaArrayTemplate();
  bool ParseFamilyPairs();
  // A member whose class is not part of the plug-in yet: skipped with the report's warning.
  bool SkipPendingMember();
  bool LoadDirectories();
  // Whether the design's structure lists the padstack as a via (and as a spare one).
  void TakeViaMarks(TSpecctraPadstack& padstack);

  TSpecctraList FImages;
  TSpecctraList FJumpers;
  TSpecctraList FViaArrayTemplates;
  std::vector<std::string> FDirectories;
  std::string FExtraImageDirectory;
  // Via padstack name -> listed under spare, from the structure's via statement.
  std::map<std::string, bool, TLessIgnoringCase> FViaMarks;
  std::size_t FViaMarksFrom = 0;
};
