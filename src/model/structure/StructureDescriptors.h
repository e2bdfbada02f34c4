// The structure section: the board's own statements, the board offset that moves the design
// into the host workspace, and (on export) the layer stack read back from the board.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "model/structure/BoardOffset.h"
#include "model/structure/SpecctraControl.h"
#include "model/structure/SpecctraDesignBoundary.h"
#include "model/structure/SpecctraGrid.h"
#include "model/structure/SpecctraLayerStack.h"
#include "model/files/FileSection.h"
#include "model/base/SpecctraList.h"
#include "model/base/SpecctraValueTypes.h"

class TSpecctraFile;

class TSpecctraAbstractStructureDescriptor : public TSpecctraFileSectionDescriptor {
public:
  using TSpecctraFileSectionDescriptor::TSpecctraFileSectionDescriptor;
  std::string_view ClassName() const override { return "TSpecctraAbstractStructureDescriptor"; }

  const TVertex& BoardOffset() const { return FBoardOffset; }
  TSpecctraLayerStack& LayerStack() { return *FLayerStack; }

protected:
  TVertex FBoardOffset;
  std::unique_ptr<TSpecctraLayerStack> FLayerStack = std::make_unique<TSpecctraLayerStack>(this);
};

// A padstack name of the structure's via statement; spare vias are not made routing styles.
struct TViaPadstackName {
  std::string Name;
  bool Spare = false;
};

class TSpecctraDSNStructureDescriptor : public TSpecctraAbstractStructureDescriptor {
public:
  explicit TSpecctraDSNStructureDescriptor(TSpecctraObject* owner);
  std::string_view ClassName() const override { return "TSpecctraDSNStructureDescriptor"; }

  //   (structure (layer ...) (boundary ...) (keepout ...) (via name ... (spare name ...))
  //              (rule ...) (resolution ...) (unit u) (control ...) (grid ...) ...)
  bool LoadFromFile() override;
  bool ExportToPcb() override;

  const std::vector<TViaPadstackName>& ViaPadstackNames() const { return FViaNames; }
  TSpecctraControlDescriptor& Control() { return *FControl; }
  TSpecctraGridCollection& Grids() { return *FGrids; }
  const std::vector<TSpecctraLayerNoisePair>& LayerNoiseWeights() const {
    return FLayerNoiseWeights;
  }
  TSpecctraDesignBoundary& Boundary() { return *FBoundary; }
  TSpecctraList& Planes() { return FPlanes; }
  TSpecctraList& Regions() { return FRegions; }
  TSpecctraList& Keepouts() { return FKeepouts; }
  // The design's extent in Specctra units, from its boundary.
  TSpecctraExtent DesignExtent() { return FBoundary->DesignExtent(); }
  // Adds the offset that moves the extent into the workspace to the run-wide board offset.
  void ApplyBoardOffset(const TSpecctraExtent& extent);

private:
  bool LoadViaNames();
  void ExportViaStyles(TSpecctraFile& file, PcbHandle board);
  bool LoadLayerNoiseWeights();
  bool LoadLayerPair();
  // A statement whose element is not translated yet: its block is skipped with a warning.
  bool LoadPendingElement();
  // Keepouts, planes and regions: a new object of the keyword loads the block.
  bool LoadAreaElement(int32_t id);

  std::vector<TSpecctraLayerNoisePair> FLayerNoiseWeights;
  std::vector<TViaPadstackName> FViaNames;
  std::unique_ptr<TSpecctraDesignBoundary> FBoundary = std::make_unique<TSpecctraDesignBoundary>(this);
  TSpecctraList FPlanes;
  TSpecctraList FRegions;
  // Regions that failed to load: kept for the rule scopes they opened, never used otherwise.
  TSpecctraList FFailedRegions;
  TSpecctraList FKeepouts;
  std::unique_ptr<TSpecctraControlDescriptor> FControl =
      std::make_unique<TSpecctraControlDescriptor>(this);
  std::unique_ptr<TSpecctraGridCollection> FGrids = std::make_unique<TSpecctraGridCollection>(this);
};

class TSpecctraRTEStructureDescriptor : public TSpecctraAbstractStructureDescriptor {
public:
  using TSpecctraAbstractStructureDescriptor::TSpecctraAbstractStructureDescriptor;
  std::string_view ClassName() const override { return "TSpecctraRTEStructureDescriptor"; }

  // Brings back the board offset the import stored in the board and builds the layer stack
  // from the board's; true when it has a layer.
  bool ImportFromPcb() override;
  // (structure_out (layer ...) ...)
  bool ExportToFile() override;

private:
  void ImportBoardOffset();
};
