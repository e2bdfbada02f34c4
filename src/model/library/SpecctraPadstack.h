// A padstack: the pads of a pin or via layer by layer, with the queries that turn it into a
// host pad or via (the pad of a layer, the layer span, the stack style, the via size) and its
// stored form inside the host board, from which a routes export writes it again.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "model/base/SpecctraList.h"
#include "model/base/SpecctraValueTypes.h"
#include "model/library/SpecctraPad.h"
#include "model/rules/RuleScopeOwner.h"
#include "model/rules/ViaStyleSource.h"

class TSpecctraLayer;
class TSpecctraLayerStack;

// The record type of a stored padstack.
inline constexpr std::string_view kPadstackRecordType = "PADSTACK";

// How the host pad stack of a pin is built.
enum TPadstackKind : uint8_t {
  eNotComputed_Stack = 0,
  // One size on every layer.
  eSimple_Stack = 1,
  // Top, middle and bottom sizes.
  eTopMidBottom_Stack = 2,
  // A size per layer.
  eFull_Stack = 3,
  // A single outer-layer pad.
  eSurface_Stack = 4,
};

class TSpecctraPadstack : public TSpecctraObject,
                          public TRuleScopeOwner,
                          public TViaStyleSource {
public:
  explicit TSpecctraPadstack(TSpecctraObject* owner) : TSpecctraObject(owner) {}
  std::string_view ClassName() const override { return "TSpecctraPadstack"; }
  // Its rule blocks have a padstack scope.
  TRuleOwnerKind RuleOwnerKind() const override { return TRuleOwnerKind::Padstack; }
  // A circuit's via list makes a via padstack one of its routing via styles.
  void CreateViaStyleRule(const std::string& namePrefix, const std::string& scope) override;

  //   (padstack NAME (shape ...) ... (attach on|off) (rotate on|off) (absolute on|off)
  //             (use_via NAME) (via_site X Y) (unit U) (rule ...))
  bool LoadFromFile() override;
  // (padstack NAME (shape ...) ...): the pads only.
  bool ExportToFile() override;

  int32_t PadCount() const { return FPads.Count(); }
  // Nil outside 0 .. PadCount() - 1.
  TSpecctraPad* Pad(int32_t index) const;
  void AddPad(std::unique_ptr<TSpecctraPad> pad);

  // Computed from the pads' layers on first use (the layer stack must be in place).
  TPadstackKind StackKind();
  // The pad to use on a layer: the one on the layer itself, else the last one on the layer's
  // kind (SIGNAL or POWER); nil when none.
  TSpecctraPad* FindPadForLayer(std::string_view name);
  bool HasPadOnLayer(std::string_view name);
  // The first and last stack layers that have a pad; nil when none (computed once).
  TSpecctraLayer* TopPadLayer();
  TSpecctraLayer* BottomPadLayer();
  // The pad of largest area on a routable layer (or SIGNAL); on equal areas a later pad
  // replaces a circle.
  TSpecctraPad* LargestSignalPad();
  // The same among the routable layers between the first and the last; zero areas never.
  TSpecctraPad* LargestInnerPad();
  // The host layers of the top and bottom pad layers and the diameter of the largest signal
  // pad; false (outputs untouched) without both layers.
  bool ViaGeometry(uint8_t& top, uint8_t& bottom, int32_t& diameter);
  // The union of the pads' primary-shape bounds; all 0 without pads.
  TSpecctraExtent GetPadsExtent();
  // A pad on a stack layer that has no host layer has no copper to become; that is said once
  // per layer (for every padstack of the design together).
  void ReportPadsOnUnmappedLayers();

  // One embedded object on the board holding the padstack under its index in the library.
  // False (nothing stored, an error reported) when its record would not fit the host's texts.
  bool StoreToEmbedded(int32_t index);
  // Loads name, via flag and pads from a stored object; the numbers are host units.
  bool LoadFromEmbedded(PcbHandle embedded);

  bool IsVia() const { return FIsVia; }
  bool IsSpareVia() const { return FIsSpareVia; }
  void SetViaMarks(bool isVia, bool isSpare) {
    FIsVia = isVia;
    FIsSpareVia = isSpare;
  }
  bool Attach() const { return FAttach; }
  bool Rotate() const { return FRotate; }
  bool Absolute() const { return FAbsolute; }
  const std::string& UseVia() const { return FUseVia; }
  // Nil unless a via_site statement was read.
  const TVertex* ViaSite() const { return FViaSite.get(); }

private:
  bool LoadPad();
  bool LoadViaSite();
  // The via marks from the design's via list.
  void TakeViaMarks();
  TSpecctraLayerStack* LayerStack();
  // The exact layer name and the kind name (SIGNAL or POWER) a pad may stand on for a layer;
  // generic names are both. Nothing without a layer stack.
  struct TLayerAliases {
    std::string Exact;
    std::string Alias;
    bool Found = false;
  };
  std::optional<TLayerAliases> AliasesOf(std::string_view name);
  void ComputePadLayers();
  // The pad of largest area among those the filter admits, starting from the area given.
  template <class Admit>
  TSpecctraPad* LargestPad(double startArea, Admit&& admit);
  // The stored pad text, or nothing (after the error) when a pad cannot be stored.
  std::optional<std::string> StoredPadsText();
  std::unique_ptr<TSpecctraPad> LoadStoredPad(const std::string& pads, int32_t index);

  TPadstackKind FStackKind = eNotComputed_Stack;
  TSpecctraLayer* FTopPadLayer = nullptr;
  TSpecctraLayer* FBottomPadLayer = nullptr;
  bool FPadLayersComputed = false;
  bool FIsVia = false;
  bool FIsSpareVia = false;
  TSpecctraList FPads;
  bool FAttach = true;
  std::string FUseVia;
  std::unique_ptr<TVertex> FViaSite;
  bool FRotate = true;
  bool FAbsolute = false;
};
