// The library_out section of routes and session files: the padstacks the design import
// stored inside the board, loaded back and written again.
#pragma once

#include "model/library/AbstractLibraryDescriptor.h"

class TSpecctraRteLibraryDescriptor : public TSpecctraAbstractLibraryDescriptor {
public:
  using TSpecctraAbstractLibraryDescriptor::TSpecctraAbstractLibraryDescriptor;
  std::string_view ClassName() const override { return "TSpecctraRteLibraryDescriptor"; }

  // Finds the stored padstack list and loads its padstacks; a board that was never imported
  // from a design file gets an information box. Always true.
  bool ImportFromPcb() override;
  // (library_out (padstack ...) ...)
  bool ExportToFile() override;

  // Loads every stored padstack whose index lies in 0 .. count - 1, in board order.
  void LoadStoredPadstacks(int32_t count);
};
