#include "model/network/SpecctraNet.h"

#include <optional>

#include "model/network/FixNetRule.h"
#include "model/network/PinNets.h"
#include "model/network/SpecctraFromTo.h"
#include "rtl/PcbConnectivity.h"
#include "rtl/PcbObjectCalls.h"
#include "specctra_io/SpecctraParser.h"

TSpecctraNet::TSpecctraNet(TSpecctraObject* owner) : TSpecctraAbstractNetGroupObject(owner) {
  SetHostHandle(0);  // the host net, made on first use
}

TSpecctraNet::~TSpecctraNet() { ReleasePins(); }

void TSpecctraNet::ReleasePins() {
  for (const std::string_view pin : FPins) ReleasePinOfNet(pin, *this);
}

namespace {

// The role list that a keyword fills, or none.
std::optional<TNetPinList> RoleListOf(int32_t id) {
  switch (id) {
    case KeywordId("expose"): return TNetPinList::Expose;
    case KeywordId("noexpose"): return TNetPinList::NoExpose;
    case KeywordId("source"): return TNetPinList::Source;
    case KeywordId("load"): return TNetPinList::Load;
    case KeywordId("terminator"): return TNetPinList::Terminator;
    default: return std::nullopt;
  }
}

}  // namespace

bool TSpecctraNet::LoadFromFile() {
  bool result = LoadName();
  if (BlockDepth() == 0) return false;  // (net) closed before any name
  TSpecctraParser& parser = *Parser();
  const bool loopResult = RunTolerantParseLoop([&](int32_t id) {
    if (const std::optional<TNetPinList> list = RoleListOf(id)) {
      LoadPins(PinListToFill(*list), false);
      return true;
    }
    switch (id) {
      case KeywordId("pins"):
      case KeywordId("order"): LoadPins(FPins, true); return true;
      case KeywordId("net_number"): FNetNumber = parser.ReadInteger(); return true;
      // An unknown type or supply is reported and leaves the net as it was.
      case KeywordId("type"): LoadChoice(FType, KeywordId("fix"), KeywordId("normal")); return true;
      case KeywordId("supply"):
        LoadChoice(FSupply, KeywordId("power"), KeywordId("ground"));
        return true;
      case KeywordId("unassigned"): FUnassigned = true; return true;
      // A from-to that fails makes the net fail.
      case KeywordId("fromto"): result = LoadFromToInto(*this, FFromTos, FDroppedFromTos) && result; return true;
      case KeywordId("rule"):
      case KeywordId("circuit"): result = LoadRule() && result; return true;
      case KeywordId("layer_rule"): result = LoadLayerRule() && result; return true;
      case KeywordId("property"): LoadProperty(); return true;
      default: return false;
    }
  });
  return loopResult && result;
}

bool TSpecctraNet::LoadName() {
  TSpecctraParser& parser = *Parser();
  const int32_t id = parser.NextToken();
  if (id != tkOpenParen && id != tkCloseParen) {
    SetName(parser.TokenText());
    return true;
  }
  // A net without a name fails; a parenthesis in the name's place keeps its meaning, so the
  // net's block still ends where it should.
  parser.ReportUnexpected();
  if (id == tkCloseParen) DecreaseDepth();
  else SkipUnknownBlock();
  return false;
}

void TSpecctraNet::LoadPins(TPinReferenceList& pins, bool claim) {
  TSpecctraParser& parser = *Parser();
  while (!StopRequested()) {
    const int32_t id = parser.NextPinReference();
    if (id == tkCloseParen) break;
    if (id == tkOpenParen) {
      // A nested block is no pin reference.
      SkipUnknownBlock();
      continue;
    }
    const std::string& pin = parser.TokenText();
    if (pin.empty()) continue;
    pins.Add(pin);
    if (claim) ClaimPinForNet(pin, *this);
  }
  pins.Settle();
  DecreaseDepth();
}

bool TSpecctraNet::LoadChoice(uint8_t& field, int32_t first, int32_t second) {
  TSpecctraParser& parser = *Parser();
  const int32_t id = parser.NextToken();
  if (id == first) {
    field = 1;
  } else if (id == second) {
    field = 2;
  } else {
    parser.ReportUnexpected();
    // A parenthesis in place of the word still counts, so the block keeps its shape.
    if (id == tkOpenParen || id == tkCloseParen) HandleToken();
    return false;
  }
  return true;
}

TPinReferenceList& TSpecctraNet::PinListToFill(TNetPinList list) {
  auto& slot = FPinLists[static_cast<std::size_t>(list)];
  if (!slot) slot = std::make_unique<TPinReferenceList>();
  return *slot;
}

const TPinReferenceList* TSpecctraNet::PinList(TNetPinList list) const {
  return FPinLists[static_cast<std::size_t>(list)].get();
}

bool TSpecctraNet::ListHolds(TNetPinList list, std::string_view pin) const {
  const TPinReferenceList* pins = PinList(list);
  return pins && pins->Contains(pin);
}

bool TSpecctraNet::ExportToPcb() {
  const bool result = GetHostNet() != 0;
  if (FType == eNetType_Fix) AddFixNetRule(GetBoardHandle(), Name());
  return result;
}

PcbHandle TSpecctraNet::GetHostNet() {
  if (HostHandle()) return HostHandle();
  // A second definition of a name joins the host net of the definition filed for it.
  TSpecctraObject* filed = FindNet(Name());
  if (filed && filed != this) {
    const PcbHandle shared = static_cast<TSpecctraNet*>(filed)->GetHostNet();
    SetHostHandle(shared);
    return shared;
  }
  CreateHostNet();
  return HostHandle();
}

bool TSpecctraNet::CreateHostNet() {
  const PcbHandle handle = CreatePcbObject(kPcbObjectNet);
  if (!handle) return false;
  TPcbNet net(handle);
  net.Update(kPcbMessageRead);
  net.SetName(Name());
  net.SetLayer(kMultiLayer);
  net.Update(kPcbMessageWrite);
  if (AddPcbObjectToContainer(GetBoardHandle(), handle) != kPcbOk) {
    // A net the board refused is no host net to connect to.
    DestroyPcbObject(handle);
    return false;
  }
  SetHostHandle(handle);
  return true;
}
