#include "server/RuleObject.h"

#include <cstring>

#include "server/DocumentFields.h"

namespace standin {
namespace {

PcbShortString ShortString(std::string_view text) {
  PcbShortString result{};
  result.length = static_cast<uint8_t>(text.size());
  std::memcpy(result.text, text.data(), text.size());
  return result;
}

template <class V, class S>
void SubScopeFields(V& v, S& s) {
  v("reserved1", s.reserved1);
  v("text", s.text);
  v("reserved2", s.reserved2);
  v("reserved3", s.reserved3);
  v("reserved4", s.reserved4);
  v("reserved5", s.reserved5);
  v("reserved6", s.reserved6);
  v("reserved7", s.reserved7);
  v("reserved8", s.reserved8);
}

}  // namespace

TRuleObject::TRuleObject(uint8_t ruleKind)
    : TBoardObject(kKind),
      FRuleKind(ruleKind),
      FScope1(ShortString("All")),
      FScope2(ShortString("All")),
      FConstraints(DefaultRuleConstraints()) {
  Common().Layer = kMultiLayer;
}

void TRuleObject::Give(PcbRuleExRecord& record) const {
  record.ruleKind = FRuleKind;
  record.reserved1 = FReserved1;
  record.reserved2 = FReserved2;
  record.layerRelation = FLayerRelation;
  record.scope1 = FScope1;
  record.scope2 = FScope2;
}

void TRuleObject::Take(const PcbRuleExRecord& record) {
  FReserved1 = record.reserved1;
  FReserved2 = record.reserved2;
  FLayerRelation = record.layerRelation;
  FScope1 = record.scope1;
  FScope2 = record.scope2;
}

void TRuleObject::Give(PcbRuleExtRecord& record) const {
  record.ruleKind = FRuleKind;
  record.sameNet = FSameNet;
  record.reserved1 = FExtReserved1;
}

void TRuleObject::Take(const PcbRuleExtRecord& record) {
  FSameNet = record.sameNet;
  FExtReserved1 = record.reserved1;
}

std::vector<PcbSubScopeRecord>* TRuleObject::SubScopes(uint8_t scope) {
  return scope == 1 || scope == 2 ? &FSubScopes[scope - 1] : nullptr;
}

// The rule kind is read first by the document loader, which makes the rule of that kind.
template <class V, class Self>
void TRuleObject::Fields(V& v, Self& self) {
  uint8_t ruleKind = self.FRuleKind;
  v("ruleKind", ruleKind);
  v("name", self.FName);
  v("scope1", self.FScope1);
  v("scope2", self.FScope2);
  v("layerRelation", self.FLayerRelation);
  v.Group("values", [&](auto& g) { ConstraintFields(g, self.FRuleKind, self.FConstraints); });
  v("reserved1", self.FReserved1);
  v("reserved2", self.FReserved2);
  v("sameNet", self.FSameNet);
  v("extReserved1", self.FExtReserved1);
  v.List("subScopes1", self.FSubScopes[0], [](auto& g, auto& s) { SubScopeFields(g, s); });
  v.List("subScopes2", self.FSubScopes[1], [](auto& g, auto& s) { SubScopeFields(g, s); });
  v("record", AsHex(self.FRecord.bytes));
}

void TRuleObject::WriteFields(TFieldWriter& writer) const { Fields(writer, *this); }
void TRuleObject::ReadFields(TFieldReader& reader) { Fields(reader, *this); }

}  // namespace standin
