#include "model/rules/SegmentRules.h"

#include "specctra_io/SpecctraParser.h"

bool TSpecctraSegmentRule::LoadFromFile() {
  TSpecctraParser& parser = *Parser();
  // The first token is the switch; an opening parenthesis there (no switch given) opens the
  // first sub-statement and is counted like any other.
  SetBlockDepth(1);
  const int32_t first = parser.NextToken();
  bool result = first != KeywordId("off");
  if (first == tkOpenParen || first == tkCloseParen) HandleToken();
  while (BlockDepth() > 0 && !StopRequested()) {
    switch (parser.NextToken()) {
      case KeywordId("gap"): result = LoadValue(FGap) && result; break;
      case KeywordId("limit"): result = LoadValue(FLimit) && result; break;
      default: result = HandleToken() && result; break;
    }
  }
  return result;
}

bool TSpecctraSegmentRule::LoadValue(double& value) {
  TSpecctraParser& parser = *Parser();
  const int32_t id = parser.NextToken();
  if (id == tkOpenParen || id == tkCloseParen) {
    parser.ReportUnexpected();
    HandleToken();  // keeps the count of parentheses
    return false;
  }
  return parser.CurrentAsFloat(value);
}

bool TSpecctraSegmentRule::ExportToPcb() {
  if (FGap == 0 && FLimit == 0) {
    ReportLine("Skipped translation of parallel segment rule with zero values for " + OwnerName());
    return true;
  }
  return AddHostRule(kRuleParallelSegment);
}

void TSpecctraSegmentRule::BeforeScope(TVelorKyxRule& rule) {
  rule.SetLayerRelation(kPcbRuleSameLayer);
}

void TSpecctraSegmentRule::WriteConstraints(PcbHandle rule) {
  const int32_t limit = ToBoardLength(FLimit);
  const int32_t gap = ToBoardLength(FGap);
  ChangeRuleConstraint<PcbParallelSegmentConstraintRecord>(rule, [&](auto& record) {
    record.limit = limit;
    record.gap = gap;
  });
}

void TSpecctraTandemSegmentRule::AfterScope(TVelorKyxRule& rule) {
  rule.SetLayerRelation(kPcbRuleAdjacentLayers);
}
