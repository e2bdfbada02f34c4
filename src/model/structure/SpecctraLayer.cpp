#include "model/structure/SpecctraLayer.h"

#include <cmath>
#include <limits>
#include <optional>
#include <stdexcept>

#include "model/structure/SpecctraLayerStack.h"
#include "specctra_io/NumberParsing.h"
#include "specctra_io/SpecctraParser.h"

namespace {

std::optional<int32_t> NamedCost(int32_t id) {
  switch (id) {
    case KeywordId("forbidden"): return kLayerCostForbidden;
    case KeywordId("free"): return kLayerCostFree;
    case KeywordId("high"): return kLayerCostHigh;
    case KeywordId("low"): return kLayerCostLow;
    case KeywordId("medium"): return kLayerCostMedium;
    default: return std::nullopt;
  }
}

// An integer, or a real rounded to the nearest integer when it fits 32 bits.
std::optional<int32_t> CostNumber(std::string_view text) {
  if (const auto integer = ParseSpecctraInteger(text)) return integer;
  const auto real = ParseSpecctraReal(text);
  if (!real) return std::nullopt;
  const double rounded = std::nearbyint(*real);
  if (rounded < std::numeric_limits<int32_t>::min() || rounded > std::numeric_limits<int32_t>::max())
    return std::nullopt;
  return static_cast<int32_t>(rounded);
}

TSpecctraLayerDirection DirectionOf(int32_t id) {
  switch (id) {
    case KeywordId("horizontal"): return ldHorizontal;
    case KeywordId("vertical"): return ldVertical;
    case KeywordId("orthogonal"): return ldOrthogonal;
    case KeywordId("positive_diagonal"): return ldPositiveDiagonal;
    case KeywordId("negative_diagonal"): return ldNegativeDiagonal;
    case KeywordId("diagonal"): return ldDiagonal;
    default: return ldOther;
  }
}

const TSpecctraLayerStack& OwningStack(const TSpecctraLayer& layer) {
  const auto* stack = dynamic_cast<const TSpecctraLayerStack*>(layer.Owner());
  if (!stack) throw std::logic_error("ERROR: Incorrect Layer Owner");
  return *stack;
}

}  // namespace

TSpecctraLayer::TSpecctraLayer(TSpecctraObject* owner, std::string name, TSpecctraLayerKind kind,
                               uint8_t hostLayerId)
    : TSpecctraObject(owner), FKind(kind), FHostLayerId(hostLayerId) {
  SetName(std::move(name));
}

bool TSpecctraLayer::LoadFromFile() {
  TSpecctraParser& parser = *Parser();
  const int32_t nameId = parser.NextToken();
  if (nameId == tkOpenParen || nameId == tkCloseParen) {
    // A layer without a name is reported and passed over up to its closing parenthesis.
    parser.ReportUnexpected();
    if (nameId == tkOpenParen) parser.SkipBlock();
    if (nameId == tkOpenParen) parser.SkipBlock();
    SetBlockDepth(0);
    return false;
  }
  SetName(parser.TokenText());
  bool result = true;
  const bool loopResult = RunParseLoop([&](int32_t id) {
    switch (id) {
      case KeywordId("type"): result = LoadType() && result; return true;
      case KeywordId("direction"): result = LoadDirection() && result; return true;
      case KeywordId("cost"): LoadCost(); return true;
      case KeywordId("use_net"): result = LoadPlaneNets() && result; return true;
      case KeywordId("property"): result = LoadProperty() && result; return true;
      case KeywordId("rule"): result = LoadRule() && result; return true;
      default: return false;
    }
  });
  return loopResult && result;
}

// A parenthesis in place of the word is reported and counted; the kind stays.
bool TSpecctraLayer::LoadType() {
  TSpecctraParser& parser = *Parser();
  const int32_t id = parser.NextToken();
  switch (id) {
    case tkOpenParen:
    case tkCloseParen:
      parser.ReportUnexpected();
      HandleToken();
      return false;
    case KeywordId("signal"): FKind = lkSignal; return true;
    case KeywordId("power"): FKind = lkPower; return true;
    case KeywordId("mixed"): FKind = lkMixed; return true;
    case KeywordId("jumper"): FKind = lkJumper; return true;
    default:
      // Every other word also makes a jumper layer; say so, since the word was not understood.
      FKind = lkJumper;
      ReportWarning("Unknown type <" + parser.TokenText() + "> of layer " + Name() + " in line " +
                    std::to_string(parser.Line()) + ", taken as a jumper layer.");
      return true;
  }
}

bool TSpecctraLayer::LoadDirection() {
  const int32_t id = Parser()->NextToken();
  if (id == tkOpenParen || id == tkCloseParen) {
    Parser()->ReportUnexpected();
    HandleToken();
    return false;
  }
  FDirection = DirectionOf(id);
  return true;
}

// (cost value ... [(type length|way)]) up to its closing parenthesis.
bool TSpecctraLayer::LoadCost() {
  TSpecctraParser& parser = *Parser();
  bool result = true;
  int32_t nested = 0;
  for (int32_t id = parser.NextToken(); !(id == tkCloseParen && nested == 0) && !StopRequested();
       id = parser.NextToken()) {
    if (id == tkOpenParen || id == tkCloseParen) {
      nested += id == tkOpenParen ? 1 : -1;
      continue;
    }
    if (nested > 0 && id == KeywordId("type")) {
      const int32_t word = parser.NextToken();
      if (word == KeywordId("length")) FCostType = lcLength;
      else if (word == KeywordId("way")) FCostType = lcWay;
      else {
        parser.ReportUnexpected();
        result = false;
        if (word == tkOpenParen || word == tkCloseParen) nested += word == tkOpenParen ? 1 : -1;
      }
      continue;
    }
    std::optional<int32_t> cost;
    if (nested == 0) cost = NamedCost(id);
    if (nested == 0 && !cost) cost = CostNumber(parser.TokenText());
    if (cost) {
      FCost = *cost;
    } else {
      parser.ReportUnexpected();
      result = false;
    }
  }
  DecreaseDepth();
  return result;
}

// (use_net NET ...): the names up to the closing parenthesis.
bool TSpecctraLayer::LoadPlaneNets() {
  TSpecctraParser& parser = *Parser();
  bool result = true;
  int32_t nested = 0;
  for (int32_t id = parser.NextToken(); !(id == tkCloseParen && nested == 0) && !StopRequested();
       id = parser.NextToken()) {
    if (id == tkOpenParen || id == tkCloseParen) {
      if (id == tkOpenParen) parser.ReportUnexpected();
      nested += id == tkOpenParen ? 1 : -1;
      result = false;
    } else if (nested == 0) {
      FPlaneNets.push_back(parser.TokenText());
    }
  }
  DecreaseDepth();
  return result;
}

bool TSpecctraLayer::IsFirstLayer() const { return OwningStack(*this).FirstLayer() == this; }

bool TSpecctraLayer::IsLastLayer() const { return OwningStack(*this).LastLayer() == this; }

std::string_view TSpecctraLayer::KindName() const { return FKind == lkPower ? "POWER" : "SIGNAL"; }
