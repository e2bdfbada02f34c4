// The design's layers from the top of the board to the bottom, with a name index for the
// lookups of every other section. On design import the stack is mapped onto the host's copper
// layers (first on the top layer, last on the bottom layer, signal, mixed and jumper layers on
// the middle layers, power layers on the internal planes, in design order) and sets the board's
// routing-layers rule; for a routes export it is rebuilt from the board.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "common/AsciiText.h"
#include "model/base/SpecctraList.h"
#include "model/structure/SpecctraLayer.h"

// The host routing-layers table's code of a direction; 0 for a word the host has no code for.
uint8_t HostDirectionCode(uint8_t direction);

class TSpecctraLayerStack : public TSpecctraObject {
public:
  explicit TSpecctraLayerStack(TSpecctraObject* owner) : TSpecctraObject(owner) {}
  std::string_view ClassName() const override { return "TSpecctraLayerStack"; }

  // Loads one layer (after the keyword layer) and files it at the end of the list; a jumper
  // layer is copper like a signal layer, and the first one is also the design's jumper layer.
  // A layer that failed is set aside. Answers the layer's load result.
  bool LoadLayer();

  int32_t LayerCount() const { return FLayers.Count(); }
  // Nil outside 0 .. LayerCount() - 1.
  TSpecctraLayer* LayerAt(int32_t index) const;
  TSpecctraLayer* FirstLayer() const { return LayerAt(0); }
  TSpecctraLayer* LastLayer() const { return LayerAt(LayerCount() - 1); }
  TSpecctraLayer* JumperLayer() const { return FJumperLayer; }
  // "FRONT LAYER" is the first layer, "BACK LAYER" the last of at least two; any other name is
  // looked up ignoring letter case. Nil while the list is empty.
  TSpecctraLayer* FindLayer(std::string_view name) override;

  // Design import: gives every layer its host layer, inserts the middle layers into the host
  // stack in design order and names the host layers. False when a layer found no place.
  bool ExportToPcb() override;
  // Sets the board-wide routing-layers rule from the routable layers' directions.
  bool UpdateRoutingLayersRule();

  // Routes export: one layer per host stack layer, top first. Answers whether any was found.
  bool BuildFromBoard();
  // The host's name of a host layer 1..54 as found by BuildFromBoard; empty elsewhere.
  const std::string& HostLayerName(uint8_t hostLayerId) const;

private:
  bool AssignHostLayers();
  void NameHostLayers() const;
  void File(std::unique_ptr<TSpecctraLayer> layer);

  std::map<std::string, TSpecctraLayer*, TLessIgnoringCase> FNameIndex;  // first of a name wins
  TSpecctraLayer* FJumperLayer = nullptr;  // one of the list's layers
  TSpecctraList FLayers;
  // Layers that failed to load: kept, never mapped, because the rule scopes they opened stay
  // in the rule collection and name them.
  TSpecctraList FSetAside;
  std::array<std::string, 55> FHostLayerNames;  // by host layer id 1..54
};
