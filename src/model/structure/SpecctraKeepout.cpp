#include "model/structure/SpecctraKeepout.h"

#include <utility>

#include "specctra_io/SpecctraParser.h"

namespace {

uint8_t KeepoutKindOf(int32_t id) {
  switch (id) {
    case KeywordId("via_keepout"): return 1;
    case KeywordId("wire_keepout"): return 2;
    case KeywordId("bend_keepout"): return 3;
    case KeywordId("place_keepout"): return 4;
    case KeywordId("elongate_keepout"): return 5;
    case KeywordId("keepout"): return 6;
    default: return 0;
  }
}

}  // namespace

bool TSpecctraKeepout::LoadFromFile() {
  TSpecctraParser& parser = *Parser();
  FKind = KeepoutKindOf(parser.CurrentId());
  bool result = true;
  bool first = true;
  const bool loopResult = RunParseLoop([&](int32_t id) {
    // A first word that is no keyword names the keepout.
    if (std::exchange(first, false) && !parser.IsKeyword()) {
      FIdentifier = parser.TokenText();
      return true;
    }
    return HandleStatement(id, result);
  });
  return loopResult && result;
}

bool TSpecctraKeepout::HandleStatement(int32_t id, bool& result) {
  switch (id) {
    case KeywordId("circle"):
    case KeywordId("path"):
    case KeywordId("polygon"):
    case KeywordId("qarc"):
    case KeywordId("rect"): result = ParseShape() && result; return true;
    case KeywordId("window"): result = ParseWindow() && result; return true;
    case KeywordId("place_rule"): result = LoadPlaceRule() && result; return true;
    case KeywordId("rule"): result = LoadRule() && result; return true;
    case KeywordId("sequence_number"): result = LoadSequenceNumber() && result; return true;
    case KeywordId("type"):
      Parser()->SkipBlock();
      DecreaseDepth();
      return true;
    default: return false;
  }
}

bool TSpecctraKeepout::LoadSequenceNumber() {
  TSpecctraParser& parser = *Parser();
  FSequenceNumber = parser.ReadInteger();
  if (parser.IsKeyword()) {
    // The number is missing and a parenthesis took its place; it still counts.
    FSequenceNumber = 0;
    SetBlockDepth(BlockDepth() + (parser.TokenText() == "(" ? 1 : -1));
    return false;
  }
  return !parser.NumberError();
}

bool TSpecctraKeepout::ExportToPcb() {
  TSpecctraAbstractGeometryShape* primary = PrimaryShape();
  return primary ? primary->ExportToPcb() : true;
}
