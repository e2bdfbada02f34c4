#include "model/library/SpecctraPadstack.h"

#include <algorithm>
#include <cmath>

#include "common/AsciiText.h"
#include "model/base/SpecctraText.h"
#include "model/files/SpecctraFile.h"
#include "model/geometry/ShapeHostLookups.h"
#include "model/library/ViaPadstackFacts.h"
#include "model/library/ViaStyleRule.h"
#include "rtl/HostUnits.h"
#include "rtl/TranslationState.h"
#include "specctra_io/SpecctraParser.h"
#include "specctra_io/SpecctraWriter.h"

namespace {

// The translation mode of routes and session exports, whose shapes hold host units.
constexpr uint8_t kExportMode = 3;

bool IsCirclePad(TSpecctraPad& pad) {
  const TSpecctraAbstractGeometryShape* shape = pad.PrimaryShape();
  return shape && shape->Kind() == eCircle_Shape;
}

}  // namespace

// ---- Parsing and writing -------------------------------------------------------------------

bool TSpecctraPadstack::LoadFromFile() {
  TSpecctraParser& parser = *Parser();
  bool result = true;
  const int32_t first = parser.NextToken();
  if (first == tkOpenParen || first == tkCloseParen) {
    // No name: a closing parenthesis ends the padstack here, an opening one starts its body.
    parser.ReportUnexpected();
    if (first == tkCloseParen) return false;
    HandleToken();
    result = false;
  } else {
    SetName(parser.TokenText());
  }
  const bool loopResult = RunParseLoop([&](int32_t id) {
    switch (id) {
      case KeywordId("shape"): result = LoadPad() && result; return true;
      case KeywordId("attach"): FAttach = parser.ReadOnOff(); return true;
      case KeywordId("rotate"): FRotate = parser.ReadOnOff(); return true;
      case KeywordId("absolute"): FAbsolute = parser.ReadOnOff(); return true;
      case KeywordId("use_via"): FUseVia = parser.NextTokenText(); return true;
      case KeywordId("via_site"): result = LoadViaSite() && result; return true;
      case KeywordId("unit"): SetUnitKind(UnitFromToken(*this, parser.NextToken())); return true;
      case KeywordId("rule"): result = LoadRule() && result; return true;
      default: return false;
    }
  });
  return loopResult && result;
}

bool TSpecctraPadstack::LoadPad() {
  auto pad = std::make_unique<TSpecctraPad>(this);
  const bool loaded = pad->LoadFromFile();
  DecreaseDepth();
  if (loaded) AddPad(std::move(pad));
  return loaded;
}

// (via_site X Y): both numbers, or the statement is refused and passed over.
bool TSpecctraPadstack::LoadViaSite() {
  TSpecctraParser& parser = *Parser();
  TVertex site;
  for (double* value : {&site.X, &site.Y}) {
    *value = parser.ReadFloat();
    const bool opened = parser.IsKeyword() && parser.TokenText() == "(";
    const bool closed = parser.IsKeyword() && parser.TokenText() == ")";
    if (!opened && !closed && !parser.NumberError()) continue;
    if (opened) parser.SkipBlock();
    if (!closed) parser.SkipBlock();
    DecreaseDepth();
    return false;
  }
  FViaSite = std::make_unique<TVertex>(site);
  return true;
}

bool TSpecctraPadstack::ExportToFile() {
  TSpecctraWriter& writer = *Writer();
  writer.WriteLine("(padstack " + QuoteName(Name()), true);
  writer.IndentIn(1);
  for (int32_t i = 0; i < PadCount(); ++i)
    if (!Pad(i)->ExportToFile()) break;
  writer.IndentOut(1);
  writer.WriteLine(")", true);
  return true;
}

TSpecctraPad* TSpecctraPadstack::Pad(int32_t index) const {
  return static_cast<TSpecctraPad*>(FPads.ObjectAt(index));
}

void TSpecctraPadstack::AddPad(std::unique_ptr<TSpecctraPad> pad) { FPads.Add(std::move(pad)); }

// ---- Layer queries --------------------------------------------------------------------------

TSpecctraLayerStack* TSpecctraPadstack::LayerStack() {
  auto* file = dynamic_cast<TSpecctraFile*>(TopObject());
  TSpecctraAbstractStructureDescriptor* structure = file ? file->StructureSection() : nullptr;
  return structure ? &structure->LayerStack() : nullptr;
}

std::optional<TSpecctraPadstack::TLayerAliases> TSpecctraPadstack::AliasesOf(
    std::string_view name) {
  TSpecctraLayerStack* stack = LayerStack();
  if (!stack) return std::nullopt;
  if (IsGenericLayerName(name)) return TLayerAliases{std::string(name), std::string(name), true};
  const TSpecctraLayer* layer = stack->FindLayer(name);
  if (!layer) return TLayerAliases{};
  return TLayerAliases{layer->Name(), std::string(layer->KindName()), true};
}

TSpecctraPad* TSpecctraPadstack::FindPadForLayer(std::string_view name) {
  const std::optional<TLayerAliases> aliases = AliasesOf(name);
  if (!aliases || !aliases->Found) return nullptr;
  TSpecctraPad* onAlias = nullptr;
  for (int32_t i = 0; i < PadCount(); ++i) {
    const std::string layer = PadLayerName(*Pad(i));
    if (SameTextIgnoringCase(layer, aliases->Exact)) return Pad(i);
    if (SameTextIgnoringCase(layer, aliases->Alias)) onAlias = Pad(i);
  }
  return onAlias;
}

bool TSpecctraPadstack::HasPadOnLayer(std::string_view name) {
  const std::optional<TLayerAliases> aliases = AliasesOf(name);
  std::string alias;
  if (aliases && aliases->Found) alias = aliases->Alias;
  else ReportError("Can't find layer " + std::string(name));
  for (int32_t i = 0; i < PadCount(); ++i) {
    TSpecctraPad& pad = *Pad(i);
    const std::string layer = PadLayerName(pad);
    // A pad without a shape stands on no layer.
    if (layer.empty()) continue;
    if (SameTextIgnoringCase(layer, name)) return PadArea(pad) > 0;
    if (SameTextIgnoringCase(layer, alias)) return true;
  }
  return false;
}

TPadstackKind TSpecctraPadstack::StackKind() {
  if (FStackKind != eNotComputed_Stack) return FStackKind;
  TSpecctraLayerStack* stack = LayerStack();
  int front = 0, back = 0, inner = 0, signal = 0;
  for (int32_t i = 0; i < PadCount(); ++i) {
    const std::string name = PadLayerName(*Pad(i));
    if (SameTextIgnoringCase(name, "SIGNAL")) {
      signal = 1;
      continue;
    }
    if (IsGenericLayerName(name)) continue;
    const TSpecctraLayer* layer = stack ? stack->FindLayer(name) : nullptr;
    if (!layer) continue;
    if (layer->IsFirstLayer()) front = 1;
    else if (layer->IsLastLayer()) back = 1;
    else if (layer->IsRoutable()) ++inner;
  }
  if (front + back + inner + signal != 1)
    FStackKind = inner == 0 ? eTopMidBottom_Stack : eFull_Stack;
  else
    FStackKind = front + back > 0 ? eSurface_Stack : eSimple_Stack;
  return FStackKind;
}

void TSpecctraPadstack::ComputePadLayers() {
  if (FPadLayersComputed) return;
  TSpecctraLayerStack* stack = LayerStack();
  if (!stack || stack->LayerCount() == 0) {
    ReportError("Layer stack has no layers defined.");
    return;
  }
  for (int32_t i = 0; i < stack->LayerCount(); ++i) {
    TSpecctraLayer* layer = stack->LayerAt(i);
    if (!HasPadOnLayer(layer->Name())) continue;
    if (!FTopPadLayer) FTopPadLayer = layer;
    FBottomPadLayer = layer;
  }
  FPadLayersComputed = true;
}

TSpecctraLayer* TSpecctraPadstack::TopPadLayer() {
  ComputePadLayers();
  return FTopPadLayer;
}

TSpecctraLayer* TSpecctraPadstack::BottomPadLayer() {
  ComputePadLayers();
  return FBottomPadLayer;
}

// ---- Sizes ---------------------------------------------------------------------------------

template <class Admit>
TSpecctraPad* TSpecctraPadstack::LargestPad(double startArea, Admit&& admit) {
  TSpecctraLayerStack* stack = LayerStack();
  TSpecctraPad* best = nullptr;
  double bestArea = startArea;
  for (int32_t i = 0; i < PadCount(); ++i) {
    TSpecctraPad& pad = *Pad(i);
    const std::string name = PadLayerName(pad);
    if (!admit(name, stack ? stack->FindLayer(name) : nullptr)) continue;
    const double area = PadArea(pad);
    if (area > bestArea || (best && area == bestArea && IsCirclePad(*best))) {
      best = &pad;
      bestArea = area;
    }
  }
  return best;
}

TSpecctraPad* TSpecctraPadstack::LargestSignalPad() {
  return LargestPad(-1, [](const std::string& name, const TSpecctraLayer* layer) {
    return layer ? layer->IsRoutable() : SameTextIgnoringCase(name, "SIGNAL");
  });
}

TSpecctraPad* TSpecctraPadstack::LargestInnerPad() {
  return LargestPad(0, [](const std::string&, const TSpecctraLayer* layer) {
    return layer && layer->IsRoutable() && !layer->IsFirstLayer() && !layer->IsLastLayer();
  });
}

bool TSpecctraPadstack::ViaGeometry(uint8_t& top, uint8_t& bottom, int32_t& diameter) {
  const TSpecctraLayer* topLayer = TopPadLayer();
  const TSpecctraLayer* bottomLayer = BottomPadLayer();
  if (!topLayer || !bottomLayer) return false;
  top = topLayer->HostLayerId();
  bottom = bottomLayer->HostLayerId();
  double size = 0;
  if (TSpecctraPad* pad = LargestSignalPad()) {
    const TSpecctraExtent& bounds = pad->PrimaryShape()->GetBounds();
    size = (std::fabs(bounds.MaxX - bounds.MinX) + std::fabs(bounds.MaxY - bounds.MinY)) / 2;
  }
  diameter = TranslationState().TranslationMode == kExportMode ? RoundToHostUnits(size)
                                                               : ToBoardLength(size);
  return true;
}

TSpecctraExtent TSpecctraPadstack::GetPadsExtent() {
  TSpecctraExtent extent;
  bool first = true;
  for (int32_t i = 0; i < PadCount(); ++i) {
    TSpecctraAbstractGeometryShape* shape = Pad(i)->PrimaryShape();
    if (!shape) continue;
    const TSpecctraExtent& bounds = shape->GetBounds();
    if (first) {
      extent = bounds;
      first = false;
      continue;
    }
    extent.MinX = std::min(extent.MinX, bounds.MinX);
    extent.MinY = std::min(extent.MinY, bounds.MinY);
    extent.MaxX = std::max(extent.MaxX, bounds.MaxX);
    extent.MaxY = std::max(extent.MaxY, bounds.MaxY);
  }
  return extent;
}

void TSpecctraPadstack::ReportPadsOnUnmappedLayers() {
  TSpecctraLayerStack* stack = LayerStack();
  if (!stack) return;
  for (int32_t i = 0; i < PadCount(); ++i) {
    TSpecctraLayer* layer = stack->FindLayer(PadLayerName(*Pad(i)));
    if (layer && layer->HostLayerId() == 0) ReportUnmappedUse(*this, *layer, "pads");
  }
}

void TSpecctraPadstack::CreateViaStyleRule(const std::string& namePrefix,
                                           const std::string& scope) {
  if (const std::optional<TViaPadstackFacts> facts = ViaPadstackFactsOf(this))
    ::CreateViaStyleRule(GetBoardHandle(), *facts, namePrefix, scope);
}
