#include "model/structure/SpecctraRegion.h"

#include "model/geometry/SpecctraPolyLineShape.h"
#include "model/geometry/SpecctraRectShape.h"
#include <utility>

#include "specctra_io/SpecctraParser.h"

bool TSpecctraRegion::LoadFromFile() {
  TSpecctraParser& parser = *Parser();
  bool result = true;
  bool first = true;
  const bool loopResult = RunParseLoop([&](int32_t id) {
    if (std::exchange(first, false) && !parser.IsKeyword()) {
      FIdentifier = parser.TokenText();
      SetName(FIdentifier);
      return true;
    }
    return HandleStatement(id, result);
  });
  return loopResult && result;
}

bool TSpecctraRegion::HandleStatement(int32_t id, bool& result) {
  switch (id) {
    case KeywordId("polygon"):
      result = LoadShape(std::make_unique<TSpecctraPolyLineShape>(this)) && result;
      return true;
    case KeywordId("rect"):
      result = LoadShape(std::make_unique<TSpecctraRectShape>(this)) && result;
      return true;
    case KeywordId("region_class"):
    case KeywordId("region_class_class"):
    case KeywordId("region_net"):
    case KeywordId("rule"): result = LoadRule() && result; return true;
    default: return false;
  }
}

bool TSpecctraRegion::LoadShape(std::unique_ptr<TSpecctraAbstractGeometryShape> shape) {
  const bool loaded = shape->LoadFromFile();
  if (loaded) FShape = std::move(shape);
  DecreaseDepth();
  return loaded;
}
