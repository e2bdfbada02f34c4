#include "model/network/SpecctraConnection.h"

#include "model/base/InlineValues.h"
#include "specctra_io/SpecctraParser.h"

namespace {

uint8_t TerminalKindOf(int32_t id) {
  switch (id) {
    case KeywordId("pin"): return eTerminal_Pin;
    case KeywordId("smd"): return eTerminal_Smd;
    case KeywordId("via"): return eTerminal_Via;
    case KeywordId("wire"): return eTerminal_Wire;
    case KeywordId("area"): return eTerminal_Area;
    case KeywordId("testpoint"): return eTerminal_Testpoint;
    default: return eTerminal_Unknown;
  }
}

}  // namespace

void TSpecctraConnectionTerminal::SetKind(uint8_t kind) {
  FKind = kind;
  if (kind == eTerminal_Via) SetName({});
}

TSpecctraConnection::TSpecctraConnection(TSpecctraObject* owner)
    : TSpecctraObject(owner),
      FFirst(std::make_unique<TSpecctraConnectionTerminal>(this)),
      FSecond(std::make_unique<TSpecctraConnectionTerminal>(this)) {}

bool TSpecctraConnection::LoadFromFile() {
  SetBlockDepth(1);
  bool loaded = LoadTerminal(*FFirst) && LoadTerminal(*FSecond) &&
                Parser()->ExpectToken(tkCloseParen);
  CountParenthesis(*this);
  if (!loaded && BlockDepth() > 0) {
    SkipUnknownBlock();
    DecreaseDepth();
    SkipToDepth(*this, 0);
  }
  return loaded;
}

bool TSpecctraConnection::LoadTerminal(TSpecctraConnectionTerminal& terminal) {
  TSpecctraParser& parser = *Parser();
  if (!parser.ExpectToken(tkOpenParen)) return false;
  CountParenthesis(*this);
  if (!parser.ExpectToken(KeywordId("terminal"))) return false;
  const int32_t kindId = parser.NextToken();
  if (kindId == tkOpenParen || kindId == tkCloseParen) {
    parser.ReportUnexpected();
    return false;
  }
  const uint8_t kind = TerminalKindOf(kindId);
  if (kind == eTerminal_Unknown) parser.ReportUnexpected();
  terminal.SetKind(kind);
  if (parser.NextPinReference() == tkCloseParen) {
    DecreaseDepth();
    return true;
  }
  if (parser.CurrentId() == tkOpenParen) return false;
  terminal.SetName(parser.TokenText());
  if (!parser.ExpectToken(tkCloseParen)) return false;
  DecreaseDepth();
  return true;
}
