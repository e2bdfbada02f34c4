#include "model/rules/TimingRule.h"

#include "specctra_io/SpecctraParser.h"

bool TSpecctraTimingRule::LoadFromFile() {
  const bool amplitude = FKeywordId == KeywordId("length_amplitude");
  const int maxValues = amplitude ? 2 : 1;
  int values = 0;
  bool valuesOk = true;
  const bool loopResult = RunParseLoop([&](int32_t id) {
    if (id == tkOpenParen || id == tkCloseParen || Parser()->IsKeyword() || values == maxValues)
      return false;
    ++values;
    valuesOk = Parser()->CurrentAsFloat(amplitude ? FLengthAmplitude : FLengthGap) && valuesOk;
    return true;
  });
  return loopResult && values > 0 && valuesOk;
}
