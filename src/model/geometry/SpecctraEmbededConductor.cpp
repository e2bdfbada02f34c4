#include "model/geometry/SpecctraEmbededConductor.h"

#include "specctra_io/SpecctraParser.h"

bool TSpecctraEmbededConductor::LoadFromFile() {
  bool result = true;
  const bool loopResult = RunParseLoop([&](int32_t id) {
    switch (id) {
      case KeywordId("attr"): result = ExpectValue(KeywordId("fanout")) && result; return true;
      case KeywordId("type"): result = ExpectValue(KeywordId("route")) && result; return true;
      case KeywordId("circle"):
      case KeywordId("path"):
      case KeywordId("polygon"):
      case KeywordId("qarc"):
      case KeywordId("rect"): result = ParseShape() && result; return true;
      default: return false;
    }
  });
  return loopResult && result;
}

bool TSpecctraEmbededConductor::ExportToPcb() {
  TSpecctraAbstractGeometryShape* primary = PrimaryShape();
  return primary ? primary->ExportToPcb() : true;
}

bool TSpecctraEmbededConductor::ExpectValue(int32_t id) {
  if (Parser()->ExpectToken(id)) return true;
  // A parenthesis in the value's place still opens or closes a block.
  const int32_t read = Parser()->CurrentId();
  if (read == tkOpenParen || read == tkCloseParen) HandleToken();
  return false;
}
