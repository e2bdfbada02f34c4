// A Specctra design file (.dsn) read whole and built on a host board.
#pragma once

#include <memory>
#include <set>
#include <string>

#include "model/files/ResolutionDescriptors.h"
#include "model/files/SpecctraFile.h"
#include "model/library/PartLibraryDescriptor.h"
#include "model/library/PlacementDescriptor.h"
#include "model/structure/FloorPlan.h"
#include "model/wiring/DsnWiringDescriptor.h"

class TSpecctraDesign : public TSpecctraFile {
public:
  TSpecctraDesign(PcbHandle board, TSpecctraParser* parser, std::string fileName);
  std::string_view ClassName() const override { return "TSpecctraDesign"; }

  //   (pcb name (parser ...) (resolution ...) (unit ...) (structure ...) (library ...)
  //        (network ...) (placement ...) (wiring ...) (floor_plan ...) (part_library ...)
  //        (file name) ...)
  bool LoadFromFile() override;
  // Writes the sections to the board in the order later steps rely on.
  bool ExportToPcb() override;

  TDimensionResolutionDescriptor& DimensionResolution() { return *FDimension; }
  TSpecctraDSNStructureDescriptor* DsnStructure();
  TSpecctraPlacementDescriptor* Placement() const { return FPlacement.get(); }
  TSpecctraDSNWiringDescriptor* Wiring() const { return FWiring.get(); }
  // The placed component of that designator loaded so far, or nil.
  TSpecctraObject* FindComponent(std::string_view name) override;

protected:
  std::unique_ptr<TSpecctraAbstractStructureDescriptor> CreateStructureSection() override;
  std::unique_ptr<TSpecctraAbstractLibraryDescriptor> CreateLibrarySection() override;
  std::unique_ptr<TSpecctraFileSectionDescriptor> CreateNetworkSection() override;

private:
  bool CheckFileStart();
  // Removes the translator data an earlier import left in the board, before this import
  // stores its own.
  void RemoveOldTranslatorData();
  // Dispatches one token of the design's own block.
  void LoadStatement(int32_t id);
  // Loads an electrical or dimension resolution statement.
  void LoadResolutionStatement(TResolutionDescriptor& resolution);
  // Creates a section on first use, then loads its block.
  template <class Section>
  void LoadOptionalSection(std::unique_ptr<Section>& section);
  // (file name): continues with the named file; refuses a file already being read.
  bool ContinueWithFile();

  std::unique_ptr<TCapacitanceResolutionDescriptor> FCapacitance;
  std::unique_ptr<TConductanceResolutionDescriptor> FConductance;
  std::unique_ptr<TCurrentResolutionDescriptor> FCurrent;
  std::unique_ptr<TInductanceResolutionDescriptor> FInductance;
  std::unique_ptr<TResistanceResolutionDescriptor> FResistance;
  std::unique_ptr<TDimensionResolutionDescriptor> FDimension;
  std::unique_ptr<TVoltageResolutionDescriptor> FVoltage;
  std::unique_ptr<TTimeResolutionDescriptor> FTime;
  std::unique_ptr<TSpecctraPlacementDescriptor> FPlacement;
  std::unique_ptr<TSpecctraFloorPlanDescriptor> FFloorPlan;
  std::unique_ptr<TSpecctraPartLibraryDescriptor> FPartLibrary;
  std::unique_ptr<TSpecctraDSNWiringDescriptor> FWiring;
  // The files read so far (their full paths), so that a file statement cannot loop.
  std::set<std::string> FFilesRead;
  bool FStopped = false;
};
