#include "model/network/MemberNameGroup.h"

#include "model/base/InlineValues.h"
#include "specctra_io/SpecctraParser.h"

TSpecctraMemberNameGroup::TSpecctraMemberNameGroup(TSpecctraObject* owner)
    : TSpecctraAbstractNetGroupObject(owner) {
  SetHostHandle(0);
}

bool TSpecctraMemberNameGroup::LoadFromFile() {
  if (!LoadNameValue(*this)) return false;
  TSpecctraParser& parser = *Parser();
  bool result = true;
  bool afterOpening = false;
  bool namesEnded = false;
  const bool loopResult = RunTolerantParseLoop([&](int32_t id) {
    const bool statement = afterOpening;
    afterOpening = id == tkOpenParen;
    if (id == tkOpenParen) namesEnded = true;
    if (id == tkOpenParen || id == tkCloseParen) return false;
    if (statement) return LoadStatement(id, result);
    // A member may be named like a keyword: only the word after "(" is a statement.
    if (namesEnded) return false;
    FMemberNames.push_back(parser.TokenText());
    return true;
  });
  return loopResult && result;
}

bool TSpecctraMemberNameGroup::LoadStatement(int32_t id, bool& /*result*/) {
  switch (id) {
    // The results of rule blocks and composites do not decide whether the group loads: a
    // group dropped after its rule blocks would leave their rules scoped to no class.
    case KeywordId("rule"):
    case KeywordId("circuit"): LoadRule(); return true;
    case KeywordId("layer_rule"): LoadLayerRule(); return true;
    case KeywordId("composite"): LoadComposite(); return true;
    default: return false;
  }
}

bool TSpecctraMemberNameGroup::LoadComposite() {
  TSpecctraParser& parser = *Parser();
  const int32_t line = parser.Line();
  const int32_t groupDepth = BlockDepth() - 1;
  std::string prefix;
  std::string suffix;
  int32_t begin = 0;
  int32_t end = 0;
  int32_t step = 0;
  bool loaded = ReadWordValue(*this, prefix) && ReadIntegerValue(*this, begin) &&
                ReadIntegerValue(*this, end) && ReadIntegerValue(*this, step);
  if (loaded) {
    // The suffix may be left out: the statement then closes where it would stand.
    if (parser.NextToken() == tkCloseParen) {
      DecreaseDepth();
    } else if (parser.CurrentId() == tkOpenParen) {
      parser.ReportUnexpected();
      CountParenthesis(*this);
      loaded = false;
    } else {
      suffix = parser.TokenText();
      loaded = parser.ExpectToken(tkCloseParen);
      CountParenthesis(*this);
    }
  }
  SkipToDepth(*this, groupDepth);
  if (!loaded) return false;

  const std::string where = "Composite names in line " + std::to_string(line) + " of " + Name();
  if (step <= 0) {
    ReportError(where + ": the step " + std::to_string(step) +
                " is not positive; no names are added.");
    return true;
  }
  const int64_t count = end < begin ? 0 : (int64_t{end} - begin) / step + 1;
  if (count > kMaxCompositeNames) {
    ReportError(where + ": " + std::to_string(count) + " names are more than " +
                std::to_string(kMaxCompositeNames) + "; no names are added.");
    return true;
  }
  for (int64_t n = begin; n <= end; n += step)
    FMemberNames.push_back(prefix + std::to_string(n) + suffix);
  return true;
}
