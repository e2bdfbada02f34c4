#include "model/rules/ClearanceRule.h"

#include "model/base/SpecctraText.h"
#include "model/rules/ClearanceTypes.h"
#include "rtl/PcbObjectCalls.h"
#include "specctra_io/SpecctraParser.h"

namespace {

constexpr int kSmdViaSameNet = 21;
constexpr int kViaViaSameNet = 22;

// The side filter of a type set: each side's fragment once, joined with Or, by ascending index.
std::string SideFilter(const TClearanceConstraint& constraint, bool firstSide) {
  std::string filter;
  for (int index = 0; index < kClearanceTypeCount; ++index) {
    if (!constraint.Has(index) || !ClearanceTypeSelects(index)) continue;
    const std::optional<TClearanceType> type = ClearanceTypeAt(index);
    if (!type) continue;
    const std::string_view fragment = firstSide ? type->FirstFragment : type->SecondFragment;
    if (filter.find(fragment) == std::string::npos) filter = JoinWith(filter, "Or", fragment);
  }
  return filter;
}

// The scope expression narrowed by a side filter; an empty filter leaves it as it is.
std::string Narrowed(const std::string& expression, const std::string& filter) {
  if (filter.empty()) return expression;
  return expression.empty() ? filter : JoinWith(expression, "And", Parenthesize(filter));
}

}  // namespace

void TClearanceConstraint::Add(int index) {
  if (Has(index)) return;
  Types |= 1u << index;
  ++TypeCount;
}

TClearanceConstraint& TConstraintList::Append(double value) {
  FItems.push_back(std::make_unique<TClearanceConstraint>());
  FCurrent = FItems.back().get();
  FCurrent->Value = value;
  return *FCurrent;
}

bool TSpecctraClearanceRule::LoadFromFile() {
  TSpecctraParser& parser = *Parser();
  FConstraints.ClearCurrent();
  SetBlockDepth(1);
  double value = 0;
  bool valueOk = false;
  if (const int32_t id = parser.NextToken(); id == tkOpenParen || id == tkCloseParen) {
    parser.ReportUnexpected();  // no value; the parenthesis keeps its meaning
    HandleToken();
  } else {
    valueOk = parser.CurrentAsFloat(value);
    if (parser.NextToken() == tkCloseParen) {
      DecreaseDepth();
      if (valueOk) FDefaultClearance = value;
      return valueOk;
    }
    valueOk = HandleToken() && valueOk;
  }
  // The types of a statement without a valid value are read past. The loop runs to the
  // statement's end, also when a parenthesis after the value was counted already.
  bool result = valueOk;
  int32_t typeDepth = 0;  // the depth inside (type ...), 0 elsewhere
  while (BlockDepth() > 0 && !StopRequested()) {
    const int32_t id = parser.NextToken();
    if (BlockDepth() < typeDepth) typeDepth = 0;
    if (id == KeywordId("type") && typeDepth == 0 && BlockDepth() > 1) {
      typeDepth = BlockDepth();
    } else if (id == KeywordId("layer_depth") && BlockDepth() > 1) {
      parser.NextToken();
      result = parser.CurrentAsInteger(FLayerDepth) && result;
    } else if (id == tkOpenParen || id == tkCloseParen || BlockDepth() != typeDepth) {
      result = HandleToken() && result;
    } else if (valueOk) {
      AddType(id, value);
    }
  }
  return result;
}

// A type word of the statement; words outside the type table are reported and passed over.
void TSpecctraClearanceRule::AddType(int32_t keywordId, double value) {
  TSpecctraParser& parser = *Parser();
  const std::optional<TClearanceType> type = ClearanceTypeOf(keywordId);
  if (!type) {
    ReportWarning("Clearance type " + parser.TokenText() + " in line " +
                  std::to_string(parser.Line()) + " is not translated.");
    return;
  }
  switch (keywordId) {
    case KeywordId("antipad_gap"):
    case KeywordId("drill_gap"):
    case KeywordId("pad_to_turn_gap"): return;
    case KeywordId("smd_to_turn_gap"): FSmdToTurnGap = value; return;
    default: break;
  }
  TClearanceConstraint* constraint = FConstraints.Current();
  if (!constraint) constraint = &FConstraints.Append(value);
  constraint->Add(type->Index);
}

bool TSpecctraClearanceRule::ExportToPcb() {
  if (FDefaultClearance > 0) {
    std::string first = "All";
    std::string second = "All";
    GetScopeExpressions(kRuleClearance, first, second);
    WriteHostClearanceRule(GetBoardHandle(), MakeHostRuleName(kRuleClearance, this),
                           ToBoardLength(FDefaultClearance), first, second, false);
  }
  for (const auto& constraint : FConstraints.Items()) ExportConstraint(*constraint);
  if (FSmdToTurnGap != -1) ExportSmdToTurnGap();
  return true;
}

void TSpecctraClearanceRule::ConstraintExpressions(const TClearanceConstraint& constraint,
                                                   std::string& first, std::string& second) const {
  first = "All";
  second = "All";
  GetScopeExpressions(kRuleClearance, first, second);
  if (first == "All") first.clear();
  if (second == "All") second.clear();
  first = Narrowed(first, SideFilter(constraint, true));
  second = Narrowed(second, SideFilter(constraint, false));
}

void TSpecctraClearanceRule::ExportConstraint(const TClearanceConstraint& constraint) {
  std::string first;
  std::string second;
  ConstraintExpressions(constraint, first, second);
  const bool sameNet = constraint.Has(kSmdViaSameNet) || constraint.Has(kViaViaSameNet);
  WriteHostClearanceRule(GetBoardHandle(), MakeHostRuleName(kRuleClearance, this),
                         ToBoardLength(constraint.Value), first, second, sameNet);
}

void TSpecctraClearanceRule::ExportSmdToTurnGap() {
  const PcbHandle handle = CreatePcbRuleObject(kRuleSMDToCorner);
  if (!handle) return;
  TVelorKyxRule rule(handle);
  std::string first = rule.GetScope1();
  std::string unused;
  GetScopeExpressions(kRuleSMDToCorner, first, unused);
  rule.SetScope1(first);
  rule.SetName(MakeHostRuleName(kRuleSMDToCorner, this));
  const int32_t gap = ToBoardLength(FSmdToTurnGap);
  ChangeRuleConstraint<PcbSMDToCornerRecord>(handle, [&](auto& record) { record.distance = gap; });
  rule.Update(kPcbMessageWrite);
  if (AddPcbObjectToContainer(GetBoardHandle(), handle) != kPcbOk) DestroyPcbObject(handle);
}

void WriteHostClearanceRule(PcbHandle board, const std::string& name, int32_t gap,
                            const std::string& first, const std::string& second, bool sameNet) {
  const PcbHandle handle = CreatePcbRuleObject(kRuleClearance);
  if (!handle) return;
  TVelorKyxRule rule(handle);
  PcbRuleExtRecord extended{};
  QueryRuleExt(kPcbMessageRead, handle, extended);
  rule.SetScope1(first);
  rule.SetScope2(second);
  rule.SetName(name);
  PcbClearanceConstraintRecord constraint{gap};
  QueryRuleConstraint(kPcbMessageWrite, handle, constraint);
  extended.sameNet = sameNet ? 1 : 0;
  QueryRuleExt(kPcbMessageWrite, handle, extended);
  rule.Update(kPcbMessageWrite);
  if (AddPcbObjectToContainer(board, handle) != kPcbOk) DestroyPcbObject(handle);
}
