#include "model/structure/SpecctraLayerStack.h"

#include "model/base/BoardHelpers.h"
#include "rtl/PcbBoard.h"
#include "rtl/PcbBoardCalls.h"
#include "rtl/PcbObjectCalls.h"
#include "rtl/PcbRules.h"
#include "rtl/RuleConstraints.h"
#include "specctra_io/SpecctraWriter.h"

uint8_t HostDirectionCode(uint8_t direction) {
  switch (direction) {
    case ldHorizontal: return 1;
    case ldVertical: return 2;
    case ldOrthogonal:
    case ldDiagonal: return 3;
    case ldPositiveDiagonal: return 8;
    case ldNegativeDiagonal: return 9;
    default: return 0;
  }
}

namespace {

constexpr std::string_view kRoutingLayersRuleName = "Routing Layers From Layer Stack";

bool IsInternalPlaneId(uint8_t id) { return id >= kInternalPlane1 && id <= kInternalPlane16; }

// The board-wide routing-layers rule, made and added to the board when there is none.
PcbHandle BoardRoutingLayersRule(PcbHandle board) {
  if (const PcbHandle found = FindBoardWideRule(board, kRuleRoutingLayers)) return found;
  const PcbHandle created = CreatePcbRuleObject(kRuleRoutingLayers);
  if (!created) return 0;
  if (AddPcbObjectToContainer(board, created) != kPcbOk) {
    DestroyPcbObject(created);
    return 0;
  }
  return created;
}

}  // namespace

TSpecctraLayer* TSpecctraLayerStack::LayerAt(int32_t index) const {
  return static_cast<TSpecctraLayer*>(FLayers.ObjectAt(index));
}

bool TSpecctraLayerStack::LoadLayer() {
  auto layer = std::make_unique<TSpecctraLayer>(this);
  const bool result = layer->LoadFromFile();
  if (!result) {
    FSetAside.Add(std::move(layer));  // its rule scopes still point at it
    return false;
  }
  if (layer->Kind() == lkJumper) {
    if (FJumperLayer)
      ReportWarning("Multiple jumper layers are not allowed, only first one will be used.");
    else
      FJumperLayer = layer.get();
  }
  File(std::move(layer));
  return true;
}

void TSpecctraLayerStack::File(std::unique_ptr<TSpecctraLayer> layer) {
  FNameIndex.emplace(layer->Name(), layer.get());
  FLayers.Add(std::move(layer));
}

TSpecctraLayer* TSpecctraLayerStack::FindLayer(std::string_view name) {
  if (LayerCount() == 0) return nullptr;
  if (SameTextIgnoringCase(name, "FRONT LAYER")) return FirstLayer();
  if (SameTextIgnoringCase(name, "BACK LAYER")) return LayerCount() >= 2 ? LastLayer() : nullptr;
  const auto found = FNameIndex.find(name);
  return found != FNameIndex.end() ? found->second : nullptr;
}

bool TSpecctraLayerStack::ExportToPcb() {
  if (LayerCount() == 0) {
    ReportError("No Layers Loaded");
    return false;
  }
  const bool result = AssignHostLayers();
  NameHostLayers();
  return result;
}

// First layer on the top layer, last on the bottom layer; each middle layer goes into the
// host stack right below the one placed before it. Once either the middle layers or the
// internal planes are used up, every further middle layer is refused.
bool TSpecctraLayerStack::AssignHostLayers() {
  FirstLayer()->SetHostLayerId(kTopLayer);
  LastLayer()->SetHostLayerId(kBottomLayer);
  const PcbHandle board = GetBoardHandle();
  uint8_t nextSignal = kMidLayer1;
  uint8_t nextPlane = kInternalPlane1;
  uint8_t previous = kTopLayer;
  bool result = true;
  for (int32_t i = 1; i < LayerCount() - 1; ++i) {
    TSpecctraLayer& layer = *LayerAt(i);
    if (nextSignal > kMidLayer30 || nextPlane > kInternalPlane16) {
      ReportError("Cannot add " + layer.Name() + " to layer stack. " +
                  (nextPlane > kInternalPlane16
                       ? "No internal planes available. Try decreasing number of internal "
                         "planes in design!"
                       : "No more layers available. Try decreasing number of layers in design"));
      result = false;
      continue;
    }
    uint8_t& next = layer.Kind() == lkPower ? nextPlane : nextSignal;
    InsertPcbLayerInStack(board, next, previous);
    layer.SetHostLayerId(next);
    previous = next++;
  }
  return result;
}

// Each mapped host layer takes its layer's name; an internal plane also its first net.
void TSpecctraLayerStack::NameHostLayers() const {
  const PcbHandle board = GetBoardHandle();
  for (int32_t i = 0; i < LayerCount(); ++i) {
    const TSpecctraLayer& layer = *LayerAt(i);
    const uint8_t id = layer.HostLayerId();
    if (id == 0) continue;
    const std::unique_ptr<TLayerObject> record = CreateLayerObject(board, id);
    record->Update(kPcbMessageRead);
    record->SetName(layer.Name());
    auto* plane = dynamic_cast<TInternalPlane*>(record.get());
    if (plane && !layer.PlaneNets().empty()) plane->SetPlaneNetName(layer.PlaneNets().front());
    record->Update(kPcbMessageWrite);
  }
}

// Layers with a direction take its code; the others alternate horizontal and vertical,
// starting with horizontal and following the last horizontal or vertical layer.
bool TSpecctraLayerStack::UpdateRoutingLayersRule() {
  const PcbHandle board = GetBoardHandle();
  const PcbHandle handle = BoardRoutingLayersRule(board);
  if (!handle) {
    ReportError("Error changing routing layers rule from layer stack.");
    return false;
  }
  TPcbRuleEx rule(handle);
  rule.Update(kPcbMessageRead);
  rule.SetName(kRoutingLayersRuleName);
  rule.Update(kPcbMessageWrite);

  PcbRoutingLayersRuleRecord table{};
  QueryRuleConstraint(kPcbMessageRead, handle, table);
  for (uint8_t& entry : table.layers) entry = 0;
  uint8_t previous = 2;
  for (int32_t i = 0; i < LayerCount(); ++i) {
    const TSpecctraLayer& layer = *LayerAt(i);
    const uint8_t id = layer.HostLayerId();
    // Unmapped layers and those on internal planes have no entry in the table.
    if (!layer.IsRoutable() || id < kTopLayer || id > kPcbRoutingLayerCount) continue;
    const uint8_t code = layer.Direction() != ldNone ? HostDirectionCode(layer.Direction())
                                                     : (previous == 2 ? 1 : 2);
    table.layers[id - 1] = code;
    if (code == 1 || code == 2) previous = code;
  }
  if (QueryRuleConstraint(kPcbMessageWrite, handle, table) != kPcbOk) {
    ReportError("Error changing routing layers rule from layer stack.");
    return false;
  }
  return true;
}

bool TSpecctraLayerStack::BuildFromBoard() {
  if (!GetBoardHandle()) return false;
  TPcbBoard board(GetBoardHandle());
  board.Update(kPcbMessageRead);
  // A stack walk visits each layer once, also when the board's links run in a circle.
  TLayerSet visited;
  for (const TLayerObject* record = board.FirstStackLayer();
       record && !visited.test(record->GetLayerNumber()); record = board.NextStackLayer(*record)) {
    const uint8_t id = record->GetLayerNumber();
    visited.set(id);
    const std::string name = record->GetName();
    if (id < FHostLayerNames.size()) FHostLayerNames[id] = name;
    File(std::make_unique<TSpecctraLayer>(this, name, IsInternalPlaneId(id) ? lkPower : lkSignal,
                                          id));
  }
  return LayerCount() > 0;
}

const std::string& TSpecctraLayerStack::HostLayerName(uint8_t hostLayerId) const {
  static const std::string kNone;
  return hostLayerId > 0 && hostLayerId < FHostLayerNames.size() ? FHostLayerNames[hostLayerId]
                                                                  : kNone;
}
