#include "model/base/SpecctraObject.h"

#include <cctype>
#include <stdexcept>
#include <string>

#include "common/NumberFormat.h"
#include "model/base/SpecctraList.h"
#include "model/files/SpecctraFile.h"
#include "model/network/AbstractNetworkDescriptor.h"
#include "model/rules/RuleCollection.h"
#include "rtl/TranslationState.h"
#include "report/ReportManager.h"
#include "specctra_io/SpecctraParser.h"

TSpecctraObject::TSpecctraObject(TSpecctraObject* owner) : FOwner(owner), FIo(nullptr) {
  static const TIo none;
  FIo = owner ? owner->FIo : &none;
  if (owner) FUnitKind = owner->FUnitKind;
  InitHostHandle();
}

TSpecctraObject::~TSpecctraObject() {
  if (FOwnsIo) delete FIo;
}

TSpecctraObject::TIo& TSpecctraObject::OwnIo() {
  if (!FOwnsIo) {
    FIo = new TIo(*FIo);
    FOwnsIo = true;
  }
  return *const_cast<TIo*>(FIo);
}

const std::string& TSpecctraObject::Name() const {
  static const std::string none;
  return FName ? *FName : none;
}

void TSpecctraObject::SetName(std::string name) {
  if (name.empty()) FName.reset();
  else if (FName) *FName = std::move(name);
  else FName = std::make_unique<std::string>(std::move(name));
}

PcbHandle TSpecctraObject::GetBoardHandle() const {
  return FOwner ? FOwner->GetBoardHandle() : 0;
}

TSpecctraRuleCollection* TSpecctraObject::GetRuleCollection() {
  TSpecctraObject* top = TopObject();
  TSpecctraRuleCollection* collection = top != this ? top->GetRuleCollection() : nullptr;
  if (!collection) throw std::logic_error("Rule Collection must be initialized");
  return collection;
}

bool TSpecctraObject::LoadProperty() {
  SkipUnknownBlock();
  DecreaseDepth();
  return true;
}

bool TSpecctraObject::LoadRule() {
  const int32_t keyword = Parser()->CurrentId();
  TAbstractRuleScope* scope = GetRuleCollection()->ScopeFor(*this, keyword);
  if (!scope) {
    // Objects that carry no rules skip the block.
    SkipUnknownBlock();
    DecreaseDepth();
    return true;
  }
  const bool result =
      keyword == KeywordId("circuit") ? scope->LoadCircuit() : scope->LoadFromFile();
  DecreaseDepth();
  return result;
}

//   (layer_rule NAME ... (rule ...))
bool TSpecctraObject::LoadLayerRule() {
  TAbstractRuleScope* scope = GetRuleCollection()->ScopeFor(*this, KeywordId("layer_rule"));
  if (!scope) {
    SkipUnknownBlock();
    DecreaseDepth();
    return true;
  }
  TSpecctraParser& parser = *Parser();
  int32_t id = parser.NextToken();
  for (; id != tkOpenParen && id != tkCloseParen && !StopRequested(); id = parser.NextToken())
    scope->AddLayerName(parser.TokenText());
  bool result = id == tkOpenParen && parser.ExpectToken(KeywordId("rule"));
  if (!result) {
    // No rule block: the rest of the statement is passed over.
    if (id == tkCloseParen) {
      parser.ReportUnexpected();
    } else if (id == tkOpenParen) {
      const int32_t current = parser.CurrentId();
      const int open = 2 + (current == tkOpenParen ? 1 : 0) - (current == tkCloseParen ? 1 : 0);
      for (int i = 0; i < open; ++i) parser.SkipBlock();
    }
    DecreaseDepth();
    return false;
  }
  result = scope->LoadFromFile();
  // The statement ends after its rule block; anything more is reported and passed over.
  if (parser.NextToken() != tkCloseParen) {
    parser.ReportUnexpected();
    if (parser.CurrentId() == tkOpenParen) parser.SkipBlock();
    parser.SkipBlock();
    result = false;
  }
  DecreaseDepth();
  return result;
}

bool TSpecctraObject::LoadPlaceRule() {
  SkipUnknownBlock();
  DecreaseDepth();
  return true;
}

TSpecctraObject* TSpecctraObject::FindNet(std::string_view name) {
  const auto* file = dynamic_cast<const TSpecctraFile*>(TopObject());
  auto* network =
      file ? dynamic_cast<TSpecctraAbstractNetworkDescriptor*>(file->NetworkSection()) : nullptr;
  return network && network != this ? network->FindNet(name) : nullptr;
}

TSpecctraObject* TSpecctraObject::FindLayer(std::string_view name) {
  TSpecctraObject* top = TopObject();
  return top != this ? top->FindLayer(name) : nullptr;
}

bool TSpecctraObject::LoadFromFile() {
  SkipUnknownBlock();
  return true;
}

TSpecctraUnit TSpecctraObject::UnitKind() {
  if (FUnitKind == uNone && FOwner) FUnitKind = FOwner->UnitKind();
  return FUnitKind;
}

TSpecctraObject* TSpecctraObject::TopObject() {
  TSpecctraObject* top = this;
  while (top->FOwner) top = top->FOwner;
  return top;
}

int32_t TSpecctraObject::NextTokenId() { return Parser() ? Parser()->NextToken() : tkUnknownWord; }

void TSpecctraObject::SkipUnknownBlock() {
  if (!Parser()) return;
  const int32_t firstLine = Parser()->Line();
  const std::string keyword = Parser()->TokenText();
  Parser()->SkipBlock();
  ReportWarning("Skipped block between lines: " + std::to_string(firstLine) + "-" +
                std::to_string(Parser()->Line()) + ", from keyword: " + keyword);
}

bool TSpecctraObject::StopRequested() const {
  return !Parser() || Parser()->EndOfInput() || TranslationState().AbortParsing;
}

bool TSpecctraObject::HandleToken() {
  const int32_t id = Parser() ? Parser()->CurrentId() : tkUnknownWord;
  if (id == tkOpenParen) {
    ++FBlockDepth;
    return true;
  }
  if (id == tkCloseParen) {
    --FBlockDepth;
    return true;
  }
  if (Parser()) Parser()->ReportUnexpected();
  return false;
}

bool TSpecctraObject::PassOverUnknown(bool& blockOpened) {
  const bool opensStatement = blockOpened;
  const int32_t id = Parser() ? Parser()->CurrentId() : tkUnknownWord;
  blockOpened = id == tkOpenParen;
  if (id == tkOpenParen || id == tkCloseParen) return HandleToken();
  if (!Parser()) return true;
  Parser()->ReportUnexpected();
  if (opensStatement) {
    // The statement's block ends with its own closing parenthesis.
    Parser()->SkipBlock();
    --FBlockDepth;
  }
  return true;
}

void TSpecctraObject::ReportError(std::string_view text) const {
  if (Report()) Report()->AddError(text);
}

void TSpecctraObject::ReportWarning(std::string_view text) const {
  if (Report()) Report()->AddWarning(text);
}

void TSpecctraObject::ReportLine(std::string_view text) const {
  if (Report()) Report()->AddLine(text);
}

TBoardLength TSpecctraObject::Checked(TBoardLength length, double value) {
  if (length.UnknownUnit)
    ReportWarning("Unknown dimension unit type, assuming mils. " + std::string(ClassName()));
  if (length.Saturated)
    ReportError("Value " + FormatNumber(value) + " is outside the board's coordinate range.");
  return length;
}

int32_t TSpecctraObject::ToBoardLength(double value) {
  return Checked(::ToBoardLength(UnitKind(), value), value).Value;
}

int32_t TSpecctraObject::ToBoardX(double value) {
  return Checked(::ToBoardX(UnitKind(), value), value).Value;
}

int32_t TSpecctraObject::ToBoardY(double value) {
  return Checked(::ToBoardY(UnitKind(), value), value).Value;
}

double TSpecctraObject::ToSpecctraLength(int32_t value) { return ::ToSpecctraLength(value); }
double TSpecctraObject::ToSpecctraX(int32_t value) { return ::ToSpecctraX(value); }
double TSpecctraObject::ToSpecctraY(int32_t value) { return ::ToSpecctraY(value); }

namespace {

// "wire 3" or "keepout K1": the object's kind without the class prefix, then its name, or its
// position in its list (from 1) when it has none.
std::string DroppedMemberText(const TSpecctraObject& member, int32_t index) {
  std::string kind(member.ClassName());
  if (kind.starts_with("TSpecctra")) kind.erase(0, 9);
  for (char& letter : kind) letter = static_cast<char>(std::tolower(letter));
  return kind + " " + (member.Name().empty() ? std::to_string(index + 1) : member.Name());
}

}  // namespace

// Every member is exported; one that fails is reported as dropped and the next goes on.
bool TSpecctraObject::ExportAllToPcb(TSpecctraList* list) {
  if (!list) return false;
  bool result = true;
  for (int32_t i = 0; i < list->Count(); ++i) {
    const TSpecctraObject& member = *list->ObjectAt(i);
    if (list->ObjectAt(i)->ExportToPcb()) continue;
    result = false;
    member.ReportWarning("Dropped " + DroppedMemberText(member, i) +
                         ": it could not be created on the board.");
  }
  return result;
}

bool TSpecctraObject::ExportAllToFile(TSpecctraList* list) {
  if (!list) return false;
  bool result = true;
  for (int32_t i = 0; i < list->Count() && result; ++i) result = list->ObjectAt(i)->ExportToFile();
  return result;
}
