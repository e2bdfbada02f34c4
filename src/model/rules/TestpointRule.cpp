#include "model/rules/TestpointRule.h"

#include "specctra_io/SpecctraParser.h"

TSpecctraTestpointRule::TSpecctraTestpointRule(TAbstractRuleScope& scope)
    : TSpecctraAbstractRule(scope, eTestpoint_Rule) {
  // Half an inch in the owner's unit.
  FMaxLength = 0.5 * UnitsPerInch(UnitKind());
}

bool TSpecctraTestpointRule::LoadFromFile() {
  bool result = true;
  const bool loopResult = RunParseLoop([&](int32_t id) {
    switch (id) {
      case KeywordId("allow_antenna"): result = LoadSwitch(FAllowAntenna) && result; return true;
      case KeywordId("insert"): result = LoadSwitch(FInsert) && result; return true;
      case KeywordId("pin_allow"): result = LoadSwitch(FPinAllow) && result; return true;
      case KeywordId("side"): result = LoadSide() && result; return true;
      case KeywordId("center_center"): result = LoadValue(FCenterCenter) && result; return true;
      case KeywordId("comp_edge_center"):
      case KeywordId("max_len"): result = LoadValue(FMaxLength) && result; return true;
      case KeywordId("image_outline_clearance"):
        result = LoadValue(FImageOutlineClearance) && result;
        return true;
      case KeywordId("comp"): result = LoadNames(FComponents) && result; return true;
      case KeywordId("use_via"): result = LoadNames(FViaPadstacks) && result; return true;
      case KeywordId("grid"): result = LoadGrid() && result; return true;
      default: return false;
    }
  });
  return loopResult && result;
}

bool TSpecctraTestpointRule::LoadSwitch(bool& flag) {
  TSpecctraParser& parser = *Parser();
  const int32_t id = parser.NextToken();
  if (id == KeywordId("on") || id == KeywordId("off")) {
    flag = id == KeywordId("on");
    return true;
  }
  if (!HandleToken()) return false;
  parser.ReportUnexpected();  // a parenthesis where the switch belongs
  return false;
}

bool TSpecctraTestpointRule::LoadSide() {
  const int32_t id = Parser()->NextToken();
  switch (id) {
    case KeywordId("front"): FSide = 0; return true;
    case KeywordId("back"): FSide = 1; return true;
    case KeywordId("both"): FSide = 2; return true;
    default:
      if (HandleToken()) Parser()->ReportUnexpected();
      return false;
  }
}

bool TSpecctraTestpointRule::LoadValue(double& value) {
  TSpecctraParser& parser = *Parser();
  const int32_t id = parser.NextToken();
  if (id == tkOpenParen || id == tkCloseParen) {
    HandleToken();
    parser.ReportUnexpected();
    return false;
  }
  return parser.CurrentAsFloat(value);
}

// Names up to the statement's closing parenthesis.
bool TSpecctraTestpointRule::LoadNames(std::vector<std::string>& names) {
  TSpecctraParser& parser = *Parser();
  bool result = true;
  while (!StopRequested()) {
    const int32_t id = parser.NextToken();
    if (id == tkCloseParen) {
      DecreaseDepth();
      break;
    }
    if (id == tkOpenParen) {
      parser.ReportUnexpected();
      parser.SkipBlock();
      result = false;
      continue;
    }
    names.push_back(parser.TokenText());
  }
  return result;
}

// (grid g [(direct x|y)] [(offset o)]): a grid value sets the pitches still 0, or only the
// pitch of the direction once one is given.
bool TSpecctraTestpointRule::LoadGrid() {
  TSpecctraParser& parser = *Parser();
  const int32_t start = BlockDepth() - 1;
  bool result = true;
  double lastGrid = 0;
  double earlierX = FGridX;  // the pitches before the last grid value
  double earlierY = FGridY;
  while (start < BlockDepth() && !StopRequested()) {
    const int32_t id = parser.NextToken();
    if (id == KeywordId("direct")) {
      const int32_t axis = parser.NextToken();
      if (axis == KeywordId("x")) {
        FGridX = lastGrid;
        FGridY = earlierY;
      } else if (axis == KeywordId("y")) {
        FGridY = lastGrid;
        FGridX = earlierX;
      } else {
        if (HandleToken()) parser.ReportUnexpected();
        result = false;
      }
    } else if (id == KeywordId("offset")) {
      result = LoadValue(FGridOffset) && result;
    } else if (id == KeywordId("grid") || id == tkOpenParen || id == tkCloseParen) {
      HandleToken();
    } else if (parser.CurrentAsFloat(lastGrid)) {
      earlierX = FGridX;
      earlierY = FGridY;
      if (FGridX == 0) FGridX = lastGrid;
      if (FGridY == 0) FGridY = lastGrid;
    } else {
      result = false;
    }
  }
  return result;
}
