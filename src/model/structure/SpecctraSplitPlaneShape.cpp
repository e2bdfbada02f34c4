#include "model/structure/SpecctraSplitPlaneShape.h"

#include <utility>

#include "specctra_io/SpecctraParser.h"

bool TSpecctraSplitPlaneShape::LoadFromFile() {
  TSpecctraParser& parser = *Parser();
  bool result = true;
  bool first = true;
  const bool loopResult = RunParseLoop([&](int32_t id) {
    // The first token names the net, unless a parenthesis stands in its place.
    if (std::exchange(first, false) && id != tkOpenParen && id != tkCloseParen) {
      FNetName = parser.TokenText();
      return true;
    }
    switch (id) {
      case KeywordId("circle"):
      case KeywordId("path"):
      case KeywordId("polygon"):
      case KeywordId("qarc"):
      case KeywordId("rect"): result = ParseShape() && result; return true;
      case KeywordId("window"): result = ParseWindow() && result; return true;
      default: return false;
    }
  });
  return loopResult && result;
}

bool TSpecctraSplitPlaneShape::ExportToPcb() {
  TSpecctraAbstractGeometryShape* primary = PrimaryShape();
  if (!primary) return true;
  primary->ExportToPcb();
  return primary->ExportOutlineAsTracks();
}
