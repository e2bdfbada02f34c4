#include "model/structure/SpecctraBondSite.h"

#include "model/base/InlineValues.h"
#include "specctra_io/SpecctraParser.h"

bool TSpecctraBondSite::LoadFromFile() {
  SetBlockDepth(1);
  if (LoadValues()) return true;
  SkipToDepth(*this, 0);
  return false;
}

bool TSpecctraBondSite::LoadValues() {
  if (!ReadWordValue(*this, FFirstName) || !ReadWordValue(*this, FSecondName) ||
      !ReadRealValue(*this, FPosition.X) || !ReadRealValue(*this, FPosition.Y))
    return false;
  TSpecctraParser& parser = *Parser();
  int32_t id = parser.NextToken();
  if (id == KeywordId("front") || id == KeywordId("back")) {
    FSide = id == KeywordId("back") ? 1 : 0;
    id = parser.NextToken();
  }
  if (id != tkCloseParen) {
    parser.ReportUnexpected();
    CountParenthesis(*this);
    return false;
  }
  DecreaseDepth();
  return true;
}
