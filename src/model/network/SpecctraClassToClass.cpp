#include "model/network/SpecctraClassToClass.h"

#include "model/base/InlineValues.h"
#include "specctra_io/SpecctraParser.h"

bool TSpecctraClassToClass::LoadFromFile() {
  SetBlockDepth(1);
  bool result = LoadClassNames();
  if (result) {
    result = RunParseLoop([&](int32_t id) {
      switch (id) {
        case KeywordId("rule"):
        case KeywordId("circuit"): result = LoadRule() && result; return true;
        case KeywordId("layer_rule"): result = LoadLayerRule() && result; return true;
        default: return false;
      }
    }) && result;
  }
  SetNameFromClasses();
  if (!result) SkipToDepth(*this, 0);
  return result;
}

// (classes name ...), the statement's first; a nested block among the names fails it.
bool TSpecctraClassToClass::LoadClassNames() {
  TSpecctraParser& parser = *Parser();
  if (!parser.ExpectToken(tkOpenParen)) {
    CountParenthesis(*this);
    return false;
  }
  CountParenthesis(*this);
  if (!parser.ExpectToken(KeywordId("classes"))) {
    CountParenthesis(*this);
    return false;
  }
  while (!StopRequested()) {
    const int32_t id = parser.NextToken();
    if (id == tkCloseParen) {
      DecreaseDepth();
      return true;
    }
    if (id == tkOpenParen) {
      parser.ReportUnexpected();
      CountParenthesis(*this);
      return false;
    }
    FClassNames.push_back(parser.TokenText());
  }
  return false;
}

void TSpecctraClassToClass::SetNameFromClasses() {
  std::string name;
  for (std::size_t i = 0; i < FClassNames.size() && i < 2; ++i) name += FClassNames[i] + " ";
  if (FClassNames.size() > 2) name += " ...";
  SetName(std::move(name));
}
