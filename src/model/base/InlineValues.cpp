#include "model/base/InlineValues.h"

#include "model/base/SpecctraObject.h"
#include "specctra_io/SpecctraParser.h"

namespace {

bool IsParenthesis(int32_t id) { return id == tkOpenParen || id == tkCloseParen; }

// The next token; a parenthesis is reported, counted and answers false.
bool NextValueToken(TSpecctraObject& object) {
  TSpecctraParser& parser = *object.Parser();
  if (!IsParenthesis(parser.NextToken())) return true;
  parser.ReportUnexpected();
  CountParenthesis(object);
  return false;
}

}  // namespace

void CountParenthesis(TSpecctraObject& object) {
  const int32_t id = object.Parser()->CurrentId();
  if (id == tkOpenParen) object.SetBlockDepth(object.BlockDepth() + 1);
  if (id == tkCloseParen) object.DecreaseDepth();
}

void SkipToDepth(TSpecctraObject& object, int32_t depth) {
  while (object.BlockDepth() > depth && !object.StopRequested()) {
    object.Parser()->SkipBlock();
    object.DecreaseDepth();
  }
}

bool ReadWordValue(TSpecctraObject& object, std::string& value) {
  if (!NextValueToken(object)) return false;
  value = object.Parser()->TokenText();
  return true;
}

bool ReadIntegerValue(TSpecctraObject& object, int32_t& value) {
  return NextValueToken(object) && object.Parser()->CurrentAsInteger(value);
}

bool ReadRealValue(TSpecctraObject& object, double& value) {
  return NextValueToken(object) && object.Parser()->CurrentAsFloat(value);
}

bool LoadNameValue(TSpecctraObject& object) {
  std::string name;
  if (ReadWordValue(object, name)) {
    object.SetName(std::move(name));
    return true;
  }
  SkipToDepth(object, 0);
  return false;
}
