#include "model/library/PlacementDescriptor.h"

#include "model/files/ResolutionDescriptors.h"
#include "model/library/SpecctraComponentInstance.h"
#include "specctra_io/SpecctraParser.h"

bool TSpecctraPlacementDescriptor::LoadFromFile() {
  bool result = true;
  const bool loopResult = RunParseLoop([&](int32_t id) { return HandleStatement(id, result); });
  return loopResult && result;
}

bool TSpecctraPlacementDescriptor::HandleStatement(int32_t id, bool& result) {
  switch (id) {
    case KeywordId("component"):
      // A failed component block leaves the section's result alone.
      ParseComponent();
      return true;
    case KeywordId("flip_style"): result = LoadFlipStyle() && result; return true;
    case KeywordId("place_control"):
      // Its statements are read by this loop; its parenthesis closes as any other.
      FFlipStyle = 0;
      return true;
    case KeywordId("resolution"): result = LoadResolution() && result; return true;
    case KeywordId("unit"): SetUnitKind(UnitFromToken(*this, NextTokenId())); return true;
    default: return false;
  }
}

bool TSpecctraPlacementDescriptor::LoadFlipStyle() {
  switch (NextTokenId()) {
    case KeywordId("rotate_first"): FFlipStyle = 1; return true;
    case KeywordId("mirror_first"): FFlipStyle = 0; return true;
    // Any other value is reported and the flip style stays as it was.
    default: return HandleToken() && false;
  }
}

bool TSpecctraPlacementDescriptor::ParseComponent() {
  const std::string imageName = Parser()->NextTokenText();
  // Reads until the component block's closing parenthesis takes the depth back below it.
  const int32_t outer = BlockDepth() - 1;
  bool result = true;
  while (outer < BlockDepth() && !StopRequested()) {
    if (NextTokenId() != KeywordId("place")) {
      result = HandleToken() && result;
      continue;
    }
    auto instance = std::make_unique<TSpecctraComponentInstance>(this);
    instance->SetImageName(imageName);
    const bool loaded = instance->LoadFromFile();
    DecreaseDepth();
    if (loaded) FInstances.Add(std::move(instance));
    result = loaded && result;
  }
  return result;
}

bool TSpecctraPlacementDescriptor::ExportToPcb() { return ExportAllToPcb(&FInstances); }
