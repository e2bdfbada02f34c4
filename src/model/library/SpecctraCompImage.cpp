#include "model/library/SpecctraCompImage.h"

#include <cmath>
#include <limits>

#include "model/files/ResolutionDescriptors.h"
#include "model/files/SpecctraFile.h"
#include "model/geometry/SpecctraCircleShape.h"
#include "model/geometry/SpecctraEmbededConductor.h"
#include "model/geometry/SpecctraFilledPolyShape.h"
#include "model/geometry/SpecctraPolyLineShape.h"
#include "model/geometry/SpecctraRectShape.h"
#include "model/library/SpecctraCompPin.h"
#include "model/library/SpecctraPad.h"
#include "model/library/SpecctraPadstack.h"
#include "model/library/SpecctraViaInstance.h"
#include "model/structure/SpecctraKeepout.h"
#include "rtl/PcbComponent.h"
#include "rtl/PcbObjectCalls.h"
#include "rtl/TranslationState.h"
#include "specctra_io/SpecctraParser.h"


namespace {

// The start of the bounding rectangle: any extent widens it.
constexpr double kNoExtent = 9.9999e8;

void Widen(TSpecctraExtent& box, const TSpecctraExtent& by) {
  box.MinX = std::min(box.MinX, by.MinX);
  box.MinY = std::min(box.MinY, by.MinY);
  box.MaxX = std::max(box.MaxX, by.MaxX);
  box.MaxY = std::max(box.MaxY, by.MaxY);
}

template <class Item>
void WidenByPrimaryShapes(TSpecctraExtent& box, TSpecctraList* list) {
  for (int32_t i = 0; list && i < list->Count(); ++i)
    if (auto* shape = static_cast<Item*>(list->ObjectAt(i))->PrimaryShape())
      Widen(box, shape->GetBounds());
}

}  // namespace

TSpecctraCompImage::TSpecctraCompImage(TSpecctraObject* owner) : TSpecctraObject(owner) {}

TSpecctraCompImage::~TSpecctraCompImage() = default;

bool TSpecctraCompImage::LoadFromFile() {
  SetName(Parser()->NextTokenText());
  bool result = true;
  const bool loopResult =
      RunTolerantParseLoop([&](int32_t id) { return HandleStatement(id, result); });
  return loopResult && result;
}

bool TSpecctraCompImage::HandleStatement(int32_t id, bool& result) {
  switch (id) {
    case KeywordId("keepout"):
    case KeywordId("place_keepout"):
    case KeywordId("via_keepout"):
    case KeywordId("wire_keepout"):
    case KeywordId("bend_keepout"):
    case KeywordId("elongate_keepout"):
      result = LoadInto<TSpecctraKeepout>(FKeepouts) && result;
      return true;
    case KeywordId("conductor"):
      SetFreePrimitiveFlag(true);
      result = LoadInto<TSpecctraEmbededConductor>(FConductors) && result;
      return true;
    case KeywordId("via"):
      SetFreePrimitiveFlag(true);
      result = LoadInto<TSpecctraViaInstance>(FVias) && result;
      return true;
    case KeywordId("outline"): result = LoadOutline() && result; return true;
    case KeywordId("pin"): result = LoadPin() && result; return true;
    case KeywordId("side"): result = LoadSide() && result; return true;
    case KeywordId("unit"):
      SetUnitKind(UnitFromToken(*this, NextTokenId()));
      return true;
    case KeywordId("rule"): result = LoadRule() && result; return true;
    case KeywordId("place_rule"): result = LoadPlaceRule() && result; return true;
    case KeywordId("property"): result = LoadProperty() && result; return true;
    default: return false;
  }
}

template <class Item>
bool TSpecctraCompImage::LoadInto(std::unique_ptr<TSpecctraList>& list) {
  auto item = std::make_unique<Item>(this);
  const bool loaded = item->LoadFromFile();
  DecreaseDepth();
  if (!loaded) return false;
  if (!list) list = std::make_unique<TSpecctraList>();
  list->Add(std::move(item));
  return true;
}

bool TSpecctraCompImage::LoadSide() {
  switch (NextTokenId()) {
    case KeywordId("front"): FSide = 0; return true;
    case KeywordId("back"): FSide = 1; return true;
    case KeywordId("both"): FSide = 2; return true;
    default: return HandleToken() && false;
  }
}

bool TSpecctraCompImage::LoadOutline() {
  if (NextTokenId() != tkOpenParen) return HandleToken() && false;
  SetBlockDepth(BlockDepth() + 1);
  std::unique_ptr<TSpecctraAbstractGeometryShape> shape;
  switch (NextTokenId()) {
    case KeywordId("circle"): shape = std::make_unique<TSpecctraCircleShape>(this); break;
    case KeywordId("path"): shape = std::make_unique<TSpecctraPolyLineShape>(this); break;
    case KeywordId("polygon"): shape = std::make_unique<TSpecctraFilledPolyShape>(this); break;
    case KeywordId("rect"): shape = std::make_unique<TSpecctraRectShape>(this); break;
    default: return HandleToken() && false;
  }
  const bool loaded = shape->LoadFromFile();
  DecreaseDepth();
  if (!loaded) return false;
  shape->Normalize();
  FOutline = std::move(shape);
  return true;
}

bool TSpecctraCompImage::LoadPin() {
  auto pin = std::make_unique<TSpecctraCompPin>(this);
  const bool loaded = pin->LoadFromFile();
  DecreaseDepth();
  if (loaded && !pin->HeldArray()) FPins.Add(std::move(pin));
  return loaded;
}

const TPinPadstack* TSpecctraCompImage::FindPinPadstack(std::string_view name) {
  auto found = FPadstacks.find(name);
  if (found == FPadstacks.end())
    found = FPadstacks.emplace(std::string(name), DescribeLibraryPadstack(name)).first;
  return found->second ? &*found->second : nullptr;
}

std::optional<TPinPadstack> TSpecctraCompImage::DescribeLibraryPadstack(std::string_view name) {
  auto* file = dynamic_cast<TSpecctraFile*>(TopObject());
  if (!file || !file->LibrarySection()) {
    ReportError("Invalid library reference ponter returned during pin padstack retrieval.");
    return std::nullopt;
  }
  auto* padstack = dynamic_cast<TSpecctraPadstack*>(file->FindPadstack(name));
  if (!padstack) return std::nullopt;
  padstack->ReportPadsOnUnmappedLayers();
  auto* structure = file->StructureSection();
  return DescribePadstack(*padstack, structure ? &structure->LayerStack() : nullptr);
}

std::unique_ptr<TSpecctraAbstractGeometryShape> TSpecctraCompImage::ImageBoundingRect() {
  TSpecctraExtent box{kNoExtent, kNoExtent, -kNoExtent, -kNoExtent};
  for (int32_t i = 0; i < FPins.Count(); ++i)
    Widen(box, static_cast<TSpecctraCompPin*>(FPins.ObjectAt(i))->PinExtent());
  WidenByPrimaryShapes<TSpecctraEmbededConductor>(box, FConductors.get());
  WidenByPrimaryShapes<TSpecctraKeepout>(box, FKeepouts.get());
  if (box.MinX == kNoExtent || box.MinY == kNoExtent || box.MaxX == -kNoExtent ||
      box.MaxY == -kNoExtent)
    box = {};
  auto rect = std::make_unique<TSpecctraRectShape>(this);
  *rect->Vertex(0) = {box.MinX, box.MinY};
  *rect->Vertex(1) = {box.MaxX, box.MaxY};
  return rect;
}

bool TSpecctraCompImage::ExportToPcb() {
  TPcbComponent component(CreatePcbObject(kPcbObjectComponent));
  SetHostHandle(component.GetHandle());
  component.Update(kPcbMessageRead);
  component.SetFootprint(CutText(Name(), 250));
  TranslationState().BoardOffsetX = 0;
  TranslationState().BoardOffsetY = 0;
  if (!FOutline || FOutline->GetArea() == 0) FOutline = ImageBoundingRect();
  if (FOutline->GetArea() > 0) FOutline->ExportToPcb();
  ExportContents();
  component.Update(kPcbMessageSecondWrite);
  component.Update(kPcbMessageRead);
  RestoreBoardOffset();
  return true;
}

void TSpecctraCompImage::ExportContents() {
  ExportAllToPcb(&FPins);
  if (FConductors) ExportAllToPcb(FConductors.get());
  if (FVias) ExportAllToPcb(FVias.get());
  if (FKeepouts) ExportAllToPcb(FKeepouts.get());
}

void TSpecctraCompImage::RestoreBoardOffset() {
  const auto* file = dynamic_cast<const TSpecctraFile*>(TopObject());
  const TVertex offset = file && file->StructureSection() ? file->StructureSection()->BoardOffset()
                                                          : TVertex{};
  TranslationState().BoardOffsetX = static_cast<int32_t>(std::nearbyint(offset.X));
  TranslationState().BoardOffsetY = static_cast<int32_t>(std::nearbyint(offset.Y));
}
