#include "model/network/SpecctraFromTo.h"

#include "model/base/InlineValues.h"
#include "model/files/SpecctraDesign.h"
#include "specctra_io/SpecctraParser.h"

bool TSpecctraFromTo::LoadFromFile() {
  TSpecctraParser& parser = *Parser();
  int32_t terminals = 0;
  bool result = true;
  while (result && BlockDepth() > 0 && !StopRequested()) {
    // Pin references may be glued from quoted parts (PC1-"CAN-L").
    const int32_t id = terminals < 2 ? parser.NextPinReference() : parser.NextToken();
    result = LoadToken(id, terminals);
  }
  // The rest of a failed from-to is no statement of its owner.
  if (!result) SkipToDepth(*this, 0);
  return result;
}

bool TSpecctraFromTo::LoadToken(int32_t id, int32_t& terminals) {
  TSpecctraParser& parser = *Parser();
  switch (id) {
    case KeywordId("rule"):
    case KeywordId("circuit"): return LoadRule();
    case KeywordId("layer_rule"): LoadLayerRule(); return true;
    case KeywordId("net"): return ReadWordValue(*this, FNetName);
    case KeywordId("type"): return LoadType();
    case KeywordId("virtual_pin"):
      ReportWarning("Virtual pins not supported in from-to definition. Line: " +
                    std::to_string(parser.Line()));
      return false;
    default: break;
  }
  if (terminals >= 2) return HandleToken();
  // Parentheses in a terminal's place count, and fail it.
  std::string& terminal = terminals++ == 0 ? FFromTerminal : FToTerminal;
  terminal = CheckedTerminal();
  CountParenthesis(*this);
  return !terminal.empty();
}

std::string TSpecctraFromTo::CheckedTerminal() {
  TSpecctraParser& parser = *Parser();
  const std::string& text = parser.TokenText();
  const std::string line = std::to_string(parser.Line());
  // Only a design has a placement section with components.
  auto* design = dynamic_cast<TSpecctraDesign*>(TopObject());
  if (!design) {
    ReportError("Cannot create from-to, component list not loaded.");
    return {};
  }
  if (design->FindComponent(text)) {
    ReportWarning("Component ref. not supported in from-to definition. Line: " + line);
    return {};
  }
  if (text.find('-') == std::string::npos) {
    ReportError("Pin reference should include - character. Line: " + line);
    return {};
  }
  return text;
}

bool TSpecctraFromTo::LoadType() {
  TSpecctraParser& parser = *Parser();
  switch (parser.NextToken()) {
    case KeywordId("fix"): FType = eFromTo_Fix; return true;
    case KeywordId("normal"): FType = eFromTo_Normal; return true;
    case KeywordId("soft"): FType = eFromTo_Soft; return true;
    default:
      parser.ReportUnexpected();
      CountParenthesis(*this);
      return false;
  }
}

bool LoadFromToInto(TSpecctraObject& owner, std::unique_ptr<TSpecctraList>& list,
                    TSpecctraList& dropped) {
  auto fromTo = std::make_unique<TSpecctraFromTo>(&owner);
  const bool loaded = fromTo->LoadFromFile();
  owner.DecreaseDepth();
  // A block that ends early (the end of the input) leaves a terminal unset.
  if (loaded && fromTo->HasBothTerminals()) {
    if (!list) list = std::make_unique<TSpecctraList>();
    list->Add(std::move(fromTo));
  } else {
    dropped.Add(std::move(fromTo));
  }
  return loaded;
}
