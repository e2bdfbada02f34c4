// Routes (.rte) and session (.ses) files: filled from a board that a design import built,
// then written as Specctra text.
#pragma once

#include <memory>
#include <string>

#include "model/files/ResolutionDescriptors.h"
#include "model/files/SpecctraFile.h"
#include "model/library/OutComponentPlacementDescriptor.h"
#include "model/structure/TestpointsDescriptor.h"

class TSpecctraRoutes : public TSpecctraFile {
public:
  TSpecctraRoutes(PcbHandle board, TSpecctraWriter* writer, std::string fileName);
  std::string_view ClassName() const override { return "TSpecctraRoutes"; }

  bool ImportFromPcb() override;
  // (routes (resolution ...) (parser ...) (structure_out ...) library, network, test points)
  bool ExportToFile() override;
  // Saves the written text to the file, then writes the report.
  void Finish() override;

protected:
  std::unique_ptr<TSpecctraAbstractStructureDescriptor> CreateStructureSection() override;
  std::unique_ptr<TSpecctraAbstractLibraryDescriptor> CreateLibrarySection() override;
  std::unique_ptr<TSpecctraFileSectionDescriptor> CreateNetworkSection() override;

  TDimensionResolutionDescriptor& DimensionResolution() { return *FDimension; }

private:
  std::unique_ptr<TDimensionResolutionDescriptor> FDimension;
  std::unique_ptr<TSpecctraTestpointsDescriptor> FTestpoints;
};

class TSpecctraSessionFile : public TSpecctraRoutes {
public:
  TSpecctraSessionFile(PcbHandle board, TSpecctraWriter* writer, std::string fileName);
  std::string_view ClassName() const override { return "TSpecctraSessionFile"; }

  bool ImportFromPcb() override;
  // (session name (base_design name.dsn) (placement ...) (routes ...))
  bool ExportToFile() override;

private:
  std::unique_ptr<TOutComponentPlacementDescriptor> FPlacement;
};

// The name with every blank replaced by an underscore.
std::string BlanksToUnderscores(std::string name);
// The name with its extension replaced (".dsn" form: the dot included).
std::string ChangeExtension(const std::string& name, const std::string& extension);
