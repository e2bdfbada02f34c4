#include "model/network/SpecctraFromToClass.h"

#include "model/base/InlineValues.h"
#include "model/network/HostClass.h"
#include "model/network/SpecctraFromTo.h"
#include "specctra_io/SpecctraParser.h"

TSpecctraFromToClass::TSpecctraFromToClass(TSpecctraObject* owner)
    : TSpecctraAbstractNetGroupObject(owner) {
  SetHostHandle(0);
}

TSpecctraFromToClass::~TSpecctraFromToClass() = default;

bool TSpecctraFromToClass::LoadFromFile() {
  if (!LoadNameValue(*this)) return false;
  bool result = true;
  const bool loopResult = RunParseLoop([&](int32_t id) {
    switch (id) {
      case KeywordId("rule"):
      case KeywordId("circuit"): result = LoadRule() && result; return true;
      case KeywordId("layer_rule"): result = LoadLayerRule() && result; return true;
      case KeywordId("fromto"): result = LoadFromToInto(*this, FFromTos, FDroppedFromTos) && result; return true;
      default: return false;
    }
  });
  return loopResult && result;
}

std::vector<std::string> TSpecctraFromToClass::FromToMemberNames() const {
  std::vector<std::string> names;
  for (int32_t i = 0; FFromTos && i < FFromTos->Count(); ++i)
    names.push_back(static_cast<const TSpecctraFromTo*>(FFromTos->ObjectAt(i))->MemberName());
  return names;
}

bool TSpecctraFromToClass::ExportToPcb() {
  SetHostHandle(CreateHostClass(GetBoardHandle(), eHostClass_FromTos, Name(), FromToMemberNames()));
  return true;
}
