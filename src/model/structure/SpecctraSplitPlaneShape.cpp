#include "model/structure/SpecctraSplitPlaneShape.h"

#include "specctra_io/SpecctraParser.h"

bool TSpecctraSplitPlaneShape::LoadFromFile() {
  TSpecctraParser& parser = *Parser();
  const int32_t start = BlockDepth() - 1;
  const int32_t first = parser.NextToken();
  if (StopRequested()) return false;
  bool result = true;
  if (first == tkOpenParen || first == tkCloseParen)
    HandleToken();
  else
    FNetName = parser.TokenText();
  if (BlockDepth() <= start) return result;
  return RunParseLoop([&](int32_t id) {
    switch (id) {
      case KeywordId("circle"):
      case KeywordId("path"):
      case KeywordId("polygon"):
      case KeywordId("qarc"):
      case KeywordId("rect"): result = ParseShape() && result; return true;
      case KeywordId("window"): result = ParseWindow() && result; return true;
      default: return false;
    }
  }) && result;
}

bool TSpecctraSplitPlaneShape::ExportToPcb() {
  TSpecctraAbstractGeometryShape* primary = PrimaryShape();
  if (!primary) return true;
  primary->ExportToPcb();
  return primary->ExportOutlineAsTracks();
}
