#include "model/library/SpecctraViaInstance.h"

#include <memory>

#include "common/NumberFormat.h"
#include "model/base/BoardHelpers.h"
#include "model/base/SpecctraText.h"
#include "model/files/SpecctraFile.h"
#include "model/geometry/ShapeHostLookups.h"
#include "model/geometry/ShapeOwner.h"
#include "model/library/SpecctraPadstack.h"
#include "model/library/ViaPlaneContacts.h"
#include "rtl/HostUnits.h"
#include "rtl/PcbObjectCalls.h"
#include "rtl/PcbVia.h"
#include "rtl/TranslationState.h"
#include "specctra_io/SpecctraParser.h"
#include "specctra_io/SpecctraWriter.h"

namespace {

constexpr std::string_view kInvalidPadstack = "INVALID_PADSTACK_REF";

}  // namespace

std::optional<uint8_t> WireTypeOfKeyword(int32_t id) {
  switch (id) {
    case KeywordId("fix"): return wtFixed;
    case KeywordId("route"): return wtRoute;
    case KeywordId("normal"): return wtNormal;
    case KeywordId("protect"): return wtProtect;
    default: return std::nullopt;
  }
}

bool WireTypeRouted(uint8_t type) {
  return type != wtFixed && type != wtRoute && type != wtProtect;
}

// ---- Parsing --------------------------------------------------------------------------------

bool TSpecctraViaInstance::LoadFromFile() {
  TSpecctraParser& parser = *Parser();
  bool result = true;
  const int32_t first = parser.NextToken();
  if (first == tkOpenParen || first == tkCloseParen)
    result = HandleToken() && false;
  else
    FPadstackName = parser.TokenText();
  // A statement the via does not know costs only itself.
  const bool loopResult = RunTolerantParseLoop([&](int32_t id) {
    switch (id) {
      case tkOpenParen:
      case tkCloseParen: return false;
      case KeywordId("net"): result = ReadWord(FNetName) && result; return true;
      case KeywordId("type"): result = ReadTypeWord() && result; return true;
      case KeywordId("via_number"):
        // Only the low 8 bits of the number are kept.
        FViaNumber = static_cast<uint8_t>(parser.ReadInteger());
        if (parser.CurrentId() == tkOpenParen || parser.CurrentId() == tkCloseParen) {
          HandleToken();
          result = false;
        }
        return true;
      case KeywordId("contact"): result = ReadContacts() && result; return true;
      case KeywordId("attr"): result = ReadAttribute() && result; return true;
      case KeywordId("virtual_pin"): result = ReadVirtualPin() && result; return true;
      case KeywordId("supply"): FSupply = true; return true;
      default:
        if (FPositionRead) return false;
        FPositionRead = true;
        if (!ReadPosition()) result = HandleToken() && false;
        return true;
    }
  });
  return loopResult && result;
}

// The next token into the text; a parenthesis in its place is counted and fails.
bool TSpecctraViaInstance::ReadWord(std::string& text) {
  const int32_t id = Parser()->NextToken();
  if (id == tkOpenParen || id == tkCloseParen) return HandleToken() && false;
  text = Parser()->TokenText();
  return true;
}

// The current token is X; the next one Y.
bool TSpecctraViaInstance::ReadPosition() {
  TSpecctraParser& parser = *Parser();
  if (!parser.CurrentAsFloat(FPosition.X)) return false;
  parser.NextToken();
  return parser.CurrentAsFloat(FPosition.Y);
}

bool TSpecctraViaInstance::ReadTypeWord() {
  const int32_t id = Parser()->NextToken();
  if (const std::optional<uint8_t> type = WireTypeOfKeyword(id)) {
    FType = *type;
    return true;
  }
  return HandleToken() && false;
}

const std::string& TSpecctraViaInstance::VirtualPinName() const {
  static const std::string none;
  return FTexts ? FTexts->VirtualPinName : none;
}

const std::string& TSpecctraViaInstance::Contact() const {
  static const std::string none;
  return FTexts ? FTexts->Contact : none;
}

TSpecctraViaInstance::TTexts& TSpecctraViaInstance::Texts() {
  if (!FTexts) FTexts = std::make_unique<TTexts>();
  return *FTexts;
}

bool TSpecctraViaInstance::ReadAttribute() {
  TSpecctraParser& parser = *Parser();
  switch (parser.NextToken()) {
    case KeywordId("test"): FAttribute = kAttrTest; return true;
    case KeywordId("fanout"): FAttribute = kAttrFanout; return true;
    case KeywordId("jumper"): FAttribute = kAttrJumper; return true;
    case KeywordId("virtual_pin"):
      FAttribute = kAttrVirtualPin;
      return ReadWord(Texts().VirtualPinName);
    default: return HandleToken() && false;
  }
}

// Every token up to the block's closing parenthesis names a layer the via touches.
bool TSpecctraViaInstance::ReadContacts() {
  TSpecctraParser& parser = *Parser();
  while (!StopRequested()) {
    if (parser.NextToken() == tkCloseParen) {
      DecreaseDepth();
      return true;
    }
    Texts().Contact += " " + parser.TokenText();
  }
  return false;
}

// (virtual_pin NAME x y (net N)), after its keyword: the name and position; the net is
// the via's own.
bool TSpecctraViaInstance::ReadVirtualPin() {
  TSpecctraParser& parser = *Parser();
  bool named = false;
  int32_t nested = 0;
  std::vector<double> numbers;
  while (!StopRequested()) {
    const int32_t id = parser.NextToken();
    if (id == tkCloseParen) {
      if (nested-- == 0) break;
    } else if (id == tkOpenParen) {
      ++nested;
    } else if (id == KeywordId("net") && nested > 0) {
      parser.NextToken();
    } else if (!named) {
      SetName(parser.TokenText());
      named = true;
    } else {
      double value = 0;
      if (!parser.CurrentAsFloat(value)) return false;
      numbers.push_back(value);
      if (numbers.size() == 2) FPosition = {numbers[0], numbers[1]};
    }
  }
  DecreaseDepth();
  return true;
}

// ---- Design import --------------------------------------------------------------------------

bool TSpecctraViaInstance::ExportToPcb() {
  if (!HasLibrarySection(*this)) {
    ReportError("Invalid library reference ponter returned during via padstack retrieval.");
    ExportWithPadstack(std::nullopt);
  } else {
    ReportPadsOnUnmappedLayers();
    ExportWithPadstack(FindViaPadstackFacts(*this, FPadstackName));
  }
  return true;
}

void TSpecctraViaInstance::ReportPadsOnUnmappedLayers() {
  auto* file = dynamic_cast<TSpecctraFile*>(TopObject());
  if (auto* padstack = file ? dynamic_cast<TSpecctraPadstack*>(file->FindPadstack(FPadstackName))
                            : nullptr)
    padstack->ReportPadsOnUnmappedLayers();
}

void TSpecctraViaInstance::ExportWithPadstack(const std::optional<TViaPadstackFacts>& padstack) {
  // A padstack that is no via padstack makes no via, silently.
  if (!padstack || !padstack->IsVia) return;
  const int32_t x = ToBoardX(FPosition.X);
  const int32_t y = ToBoardY(FPosition.Y);
  const std::string at = "(" + FormatNumber(x) + ", " + FormatNumber(y) + ")";
  if (padstack->IsSpare && FViaNumber == 0) {
    ReportWarning("Invalid padstack reference " + FPadstackName + " in via at position " + at +
                  ", skipped via translation.");
    return;
  }
  const PcbHandle handle = CreatePcbObject(kPcbObjectVia);
  if (!handle) return;
  TPcbVia via(handle);
  via.Update(kPcbMessageRead);
  via.SetX(x);
  via.SetY(y);
  via.SetHoleSize(kHostHoleSize);
  via.SetRoutedState(WireTypeRouted(FType) ? 1 : 0);
  std::string heldBack;
  if (padstack->HasGeometry) {
    via.SetStartLayer(padstack->TopLayer);
    via.SetEndLayer(padstack->BottomLayer);
    // While a wiring section with its own resolution is converted, lengths are divided by
    // that resolution; the padstack's diameter is no length of that section.
    const TTranslationState& state = TranslationState();
    const double scale = state.TranslationMode == 0 ? state.ResolutionScale : 1.0;
    via.SetDiameter(RoundToHostUnits(padstack->Diameter * scale));
  } else {
    heldBack = "Unexpected error occured during padstack " + FPadstackName +
               " translation for via at position " + at;
  }
  if (FNetName.empty()) {
    ReportWarning("Orphan via - no net assigned at position " + at);
  } else if (TSpecctraObject* net = FindNet(FNetName)) {
    via.SetNet(HostNetOfNet(*net));
  } else {
    heldBack = "Invalid net reference " + FNetName + " in via at position " + at +
               ", via will be translated with no net assigned.";
  }
  via.Update(kPcbMessageWrite);
  if (AddPcbObjectToContainer(ViaContainer(), handle) != kPcbOk) DestroyPcbObject(handle);
  if (!heldBack.empty()) ReportWarning(heldBack);
}

PcbHandle TSpecctraViaInstance::ViaContainer() const {
  const auto* owner = dynamic_cast<const TShapeOwner*>(Owner());
  if (owner && owner->ShapeOwnerKind() == TShapeOwnerKind::eImage) return Owner()->HostHandle();
  return GetBoardHandle();
}

// ---- Routes and session export --------------------------------------------------------------

bool TSpecctraViaInstance::ImportFromPcb() {
  const TViaPlaneContacts planes(GetBoardHandle());
  const std::optional<std::vector<TViaPadstackFacts>> padstacks = LibraryViaPadstacks(*this);
  ImportHostVia(planes, padstacks ? *padstacks : std::vector<TViaPadstackFacts>{},
                padstacks.has_value());
  return true;
}

void TSpecctraViaInstance::ImportHostVia(const TViaPlaneContacts& planes,
                                         std::span<const TViaPadstackFacts> padstacks,
                                         bool hasLibrary) {
  TPcbVia via(HostHandle());
  via.Update(kPcbMessageRead);
  FNetName = via.GetNet() ? HostNetName(via.GetNet()) : std::string();
  std::string contact = FNetName.empty() ? std::string() : planes.ContactsOf(FNetName);
  if (!contact.empty() || FTexts) Texts().Contact = std::move(contact);
  FHostLow = via.GetStartLayer();
  FHostHigh = via.GetEndLayer();
  FHostSize = via.GetDiameter();
  FType = wtNormal;
  FPosition = {static_cast<double>(via.GetX()), static_cast<double>(via.GetY())};
  ChoosePadstack(padstacks, hasLibrary);
}

void TSpecctraViaInstance::ChoosePadstack(std::span<const TViaPadstackFacts> padstacks,
                                          bool hasLibrary) {
  const TViaPadstackFacts* best = nullptr;
  if (!hasLibrary)
    ReportError("Invalid library reference ponter returned during best via padstack retrieval.");
  else
    best = ChooseBestViaPadstack(padstacks, FHostLow, FHostHigh, FHostSize, FViaNumber != 0);
  if (best) {
    FPadstackName = best->Name;
  } else if (FViaNumber != 0) {
    FPadstackName = kInvalidPadstack;
    const bool mils = BoardUnitIsMils();
    ReportError("Invalid padstack reference for via at position X:" +
                CoordToUnitText(RoundToHostUnits(FPosition.X), mils) +
                ", Y:" + CoordToUnitText(RoundToHostUnits(FPosition.Y), mils) + ".");
  }
}

bool TSpecctraViaInstance::ExportToFile() {
  TSpecctraWriter& writer = *Writer();
  std::string text = "(via " + QuoteName(FPadstackName) + " " +
                     FormatNumber(ToSpecctraX(RoundToHostUnits(FPosition.X))) + " " +
                     FormatNumber(ToSpecctraY(RoundToHostUnits(FPosition.Y))) + " ";
  if (FViaNumber != 0) text += "(via_number " + std::to_string(FViaNumber) + ")";
  if (!Contact().empty()) text += "(contact " + Contact() + ")";
  writer.WriteLine(text + ")", true);
  return true;
}
