#include "model/wiring/DsnWiringDescriptor.h"

#include <memory>
#include <vector>

#include "model/files/ResolutionDescriptors.h"
#include "model/library/SpecctraViaInstance.h"
#include "model/structure/SpecctraTestPoint.h"
#include "model/wiring/ViaTagStorage.h"
#include "rtl/TranslationState.h"
#include "specctra_io/SpecctraParser.h"

bool TSpecctraDSNWiringDescriptor::LoadFromFile() {
  bool result = true;
  const bool loopResult = RunParseLoop([&](int32_t id) {
    switch (id) {
      case KeywordId("wire"): result = ParseWire() && result; return true;
      case KeywordId("via"): result = ParseVia() && result; return true;
      case KeywordId("bond"): result = ParseBondSite() && result; return true;
      case KeywordId("resolution"): result = LoadSectionResolution() && result; return true;
      case KeywordId("test_points"): result = LoadTestPoints() && result; return true;
      case KeywordId("supply_pin"):
        SkipUnknownBlock();
        DecreaseDepth();
        return true;
      case KeywordId("unit"):
        SetUnitKind(UnitFromToken(*this, Parser()->NextToken()));
        FOwnUnit = true;
        return true;
      default: return false;
    }
  });
  return loopResult && result;
}

// The section's numbers are counted in its own resolution; without a unit statement of its
// own, they are in the resolution's unit.
bool TSpecctraDSNWiringDescriptor::LoadSectionResolution() {
  const bool result = LoadResolution();
  FOwnResolution = true;
  if (!FOwnUnit && Resolution().Unit() != uNone) SetUnitKind(Resolution().Unit());
  return result;
}

//   (test_points (point ...) ...): each point is kept; anything else is reported as an
//   unexpected token (a nested block of another kind is passed over whole).
bool TSpecctraDSNWiringDescriptor::LoadTestPoints() {
  TSpecctraParser& parser = *Parser();
  bool result = true;
  while (!StopRequested()) {
    const int32_t id = parser.NextToken();
    if (id == tkCloseParen) break;
    if (id != tkOpenParen) {
      result = HandleToken() && result;
      continue;
    }
    if (parser.NextToken() != KeywordId("point")) {
      result = HandleToken() && result;
      parser.SkipBlock();
      continue;
    }
    auto point = std::make_unique<TSpecctraTestPoint>(this);
    if (point->LoadFromFile()) FTestPoints.Add(std::move(point));
    else result = false;
  }
  DecreaseDepth();
  return result;
}

bool TSpecctraDSNWiringDescriptor::ExportToPcb() {
  // A resolution of -1 is held as read, but would mirror every coordinate: it is not applied.
  if (FOwnResolution && Resolution().Resolution() > 0)
    TranslationState().ResolutionScale = Resolution().Resolution();
  if (Wires()) ExportAllToPcb(Wires());
  if (Vias()) ExportAllToPcb(Vias());
  StoreViaTags();
  TranslationState().ResolutionScale = 1.0;
  return true;
}

void TSpecctraDSNWiringDescriptor::StoreViaTags() {
  if (!FViaTags || FViaTags->Count() == 0) return;
  std::vector<TStoredViaTag> tags;
  tags.reserve(FViaTags->Count());
  for (int32_t i = 0; i < FViaTags->Count(); ++i) {
    const TViaTagInfo& tag = FViaTags->Item(i);
    TSpecctraObject& at = tag.Via ? static_cast<TSpecctraObject&>(*tag.Via) : *this;
    tags.push_back({tag.Number, at.ToBoardX(tag.X), at.ToBoardY(tag.Y)});
  }
  StoreViaTagChunks(GetBoardHandle(), tags);
}
