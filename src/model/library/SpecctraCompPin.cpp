#include "model/library/SpecctraCompPin.h"

#include <algorithm>
#include <cmath>
#include <exception>

#include "common/NumberFormat.h"
#include "model/files/SpecctraFile.h"
#include "model/library/SpecctraCompImage.h"
#include "model/library/SpecctraComponentInstance.h"
#include "model/network/PinNets.h"
#include "model/network/SpecctraNet.h"
#include "rtl/HostClient.h"
#include "rtl/PcbObjectCalls.h"
#include "rtl/PcbPad.h"
#include "specctra_io/SpecctraParser.h"

namespace {

// An array may not add more pins than this; larger counts are refused as malformed input.
constexpr int64_t kMaxArrayPins = 100000;
// The hole of a pad that reaches through the board: 10 mil.
constexpr int32_t kThroughHoleSize = 100000;

void SetTop(TPcbPad& pad, const TPinPad& from) {
  pad.SetTopSize(from.Width, from.Height);
  pad.SetTopShape(from.Shape);
}
void SetMiddle(TPcbPad& pad, const TPinPad& from) {
  pad.SetMiddleSize(from.Width, from.Height);
  pad.SetMiddleShape(from.Shape);
}
void SetBottom(TPcbPad& pad, const TPinPad& from) {
  pad.SetBottomSize(from.Width, from.Height);
  pad.SetBottomShape(from.Shape);
}
void SetOnLayer(TPcbPad& pad, PcbLayerNumber layer, const TPinPad& from) {
  pad.SetSizeOnLayer(layer, from.Width, from.Height);
  pad.SetShapeOnLayer(layer, from.Shape);
}

bool AllSizesZero(const TPcbPad& pad) {
  if (pad.GetTopXSize() || pad.GetTopYSize() || pad.GetMiddleXSize() || pad.GetMiddleYSize() ||
      pad.GetBottomXSize() || pad.GetBottomYSize())
    return false;
  for (PcbLayerNumber layer = kTopLayer; layer <= kBottomLayer; ++layer)
    if (pad.XSizeOnLayer(layer) || pad.YSizeOnLayer(layer)) return false;
  return true;
}

// The empty pad the pin import starts from.
void ResetPad(TPcbPad& pad) {
  pad.SetTopSize(0, 0);
  pad.SetMiddleSize(0, 0);
  pad.SetBottomSize(0, 0);
  pad.SetTopShape(kPadShapeRound);
  pad.SetMiddleShape(kPadShapeRound);
  pad.SetBottomShape(kPadShapeRound);
  pad.SetHoleSize(0);
  pad.SetName("");
  pad.SetRotation(0);
  pad.SetPinRole(0);
  pad.SetOption(1);
}

// Cosine and sine of an angle in degrees; quarter turns exactly.
std::pair<double, double> CosSin(double degrees) {
  double turn = std::fmod(degrees, 360.0);
  if (turn < 0) turn += 360.0;
  if (turn == 0) return {1, 0};
  if (turn == 90) return {0, 1};
  if (turn == 180) return {-1, 0};
  if (turn == 270) return {0, -1};
  const double radians = turn * M_PI / 180.0;
  return {std::cos(radians), std::sin(radians)};
}

}  // namespace

TSpecctraExtent RotateExtent(const TSpecctraExtent& extent, const TVertex& about, double degrees) {
  const auto [c, s] = CosSin(degrees);
  TSpecctraExtent result{std::numeric_limits<double>::max(), std::numeric_limits<double>::max(),
                         std::numeric_limits<double>::lowest(),
                         std::numeric_limits<double>::lowest()};
  for (const double x : {extent.MinX, extent.MaxX}) {
    for (const double y : {extent.MinY, extent.MaxY}) {
      const double dx = x - about.X, dy = y - about.Y;
      const double rx = about.X + dx * c - dy * s, ry = about.Y + dx * s + dy * c;
      result = {std::min(result.MinX, rx), std::min(result.MinY, ry), std::max(result.MaxX, rx),
                std::max(result.MaxY, ry)};
    }
  }
  return result;
}

// The padstack's centre turned with the pin: the pad shape turns about the pin position, so its
// offset from the pin turns with it.
TVertex TSpecctraCompPin::TurnedPadOffset(const TVertex& centre) const {
  const auto [c, s] = CosSin(FRotation);
  return {centre.X * c - centre.Y * s, centre.X * s + centre.Y * c};
}

TSpecctraCompPin::TSpecctraCompPin(TSpecctraCompImage* image) : TSpecctraObject(image) {}

TSpecctraCompImage& TSpecctraCompPin::Image() const {
  return static_cast<TSpecctraCompImage&>(*Owner());
}

bool TSpecctraCompPin::LoadFromFile() {
  TSpecctraParser& parser = *Parser();
  FPadstackName = parser.NextTokenText();
  bool result = true;
  bool idRead = false;
  const bool loopResult = RunParseLoop([&](int32_t id) {
    switch (id) {
      case KeywordId("rotate"): result = LoadRotation() && result; return true;
      case KeywordId("property"): result = LoadProperty() && result; return true;
      case KeywordId("array"): result = LoadArray() && result; return true;
      case tkOpenParen:
      case tkCloseParen: return false;
      default:
        if (idRead) return false;
        idRead = true;
        SetName(parser.TokenText());
        result = LoadPosition() && result;
        return true;
    }
  });
  return loopResult && result;
}

bool TSpecctraCompPin::LoadRotation() {
  FRotation = Parser()->ReadFloat();
  return !Parser()->NumberError();
}

bool TSpecctraCompPin::LoadPosition() {
  TSpecctraParser& parser = *Parser();
  FPosition.X = parser.ReadFloat();
  if (parser.NumberError()) return false;
  FPosition.Y = parser.ReadFloat();
  return !parser.NumberError();
}

bool TSpecctraCompPin::ReadArrayNumber(double& value, bool integer) {
  TSpecctraParser& parser = *Parser();
  value = integer ? parser.ReadInteger() : parser.ReadFloat();
  const int32_t id = parser.TokenText() == "(" ? tkOpenParen
                     : parser.TokenText() == ")" ? tkCloseParen
                                                 : 0;
  // A parenthesis in place of a number still opens or closes its block.
  if (id != 0) SetBlockDepth(BlockDepth() + (id == tkOpenParen ? 1 : -1));
  return id == 0 && !parser.NumberError();
}

bool TSpecctraCompPin::LoadAffix(std::string& text) {
  TSpecctraParser& parser = *Parser();
  const int32_t id = NextTokenId();
  if (id == tkOpenParen || id == tkCloseParen) return HandleToken() && false;
  text = parser.TokenText();
  if (NextTokenId() != tkCloseParen) return HandleToken() && false;
  DecreaseDepth();
  return true;
}

bool TSpecctraCompPin::LoadArray() {
  TSpecctraParser& parser = *Parser();
  const int32_t line = parser.Line();
  FHeldArray = true;
  double numbers[7] = {};
  for (int i = 0; i < 7; ++i)
    if (!ReadArrayNumber(numbers[i], i < 3)) return false;
  std::string prefix, suffix;
  // The optional (prefix p) and (suffix s), then the array's own closing parenthesis.
  for (;;) {
    if (StopRequested()) return false;
    const int32_t id = NextTokenId();
    if (id == tkCloseParen) break;
    if (id != tkOpenParen) return HandleToken() && false;
    SetBlockDepth(BlockDepth() + 1);
    const int32_t keyword = NextTokenId();
    if (keyword == KeywordId("prefix") || keyword == KeywordId("suffix")) {
      if (!LoadAffix(keyword == KeywordId("prefix") ? prefix : suffix)) return false;
    } else {
      return HandleToken() && false;
    }
  }
  DecreaseDepth();
  AddArrayPins(static_cast<int64_t>(numbers[0]), static_cast<int64_t>(numbers[1]),
               static_cast<int64_t>(numbers[2]), {numbers[3], numbers[4]},
               {numbers[5], numbers[6]}, prefix, suffix, line);
  return true;
}

void TSpecctraCompPin::AddArrayPins(int64_t first, int64_t last, int64_t step, TVertex at,
                                    TVertex delta, const std::string& prefix,
                                    const std::string& suffix, int32_t line) {
  if (first <= last && (step <= 0 || (last - first) / step >= kMaxArrayPins)) {
    ReportError("Pin array of padstack " + FPadstackName + " in line " + std::to_string(line) +
                " counts from " + std::to_string(first) + " to " + std::to_string(last) +
                " in steps of " + std::to_string(step) + "; it is refused and adds no pins.");
    return;
  }
  for (int64_t n = first; n <= last; n += step) {
    auto pin = std::make_unique<TSpecctraCompPin>(&Image());
    pin->SetName(prefix + std::to_string(n) + suffix);
    pin->FPadstackName = FPadstackName;
    pin->FRotation = FRotation;
    pin->FPosition = at;
    Image().Pins().Add(std::move(pin));
    at.X += delta.X;
    at.Y += delta.Y;
  }
}

std::string TSpecctraCompPin::FullName() {
  const TSpecctraComponentInstance* instance = Image().CurrentInstance();
  if (!instance) {
    ReportError("Cannot generate pin name for pin " + Name());
    return {};
  }
  return instance->Name() + "-" + Name();
}

TSpecctraExtent TSpecctraCompPin::PinExtent() {
  const TPinPadstack* padstack = Image().FindPinPadstack(FPadstackName);
  const TSpecctraExtent pads = padstack ? padstack->Extent : TSpecctraExtent{};
  const TSpecctraExtent moved{pads.MinX + FPosition.X, pads.MinY + FPosition.Y,
                              pads.MaxX + FPosition.X, pads.MaxY + FPosition.Y};
  return FRotation != 0 ? RotateExtent(moved, FPosition, FRotation) : moved;
}

bool TSpecctraCompPin::ExportToPcb() {
  const std::string fullName = FullName();
  const TPinPadstack* padstack = Image().FindPinPadstack(FPadstackName);
  if (!padstack) {
    ReportError("Padstack " + FPadstackName + " not found for pin " + fullName);
    return false;
  }
  try {
    TPcbPad pad(CreatePcbObject(kPcbObjectPad));
    pad.Update(kPcbMessageRead);
    ResetPad(pad);
    pad.SetName(Name());
    pad.SetRotation(FRotation);
    const TVertex offset = TurnedPadOffset(padstack->Centre);
    pad.SetX(ToBoardX(FPosition.X + offset.X));
    pad.SetY(ToBoardY(FPosition.Y + offset.Y));
    const auto* file = dynamic_cast<const TSpecctraFile*>(TopObject());
    if (file && !file->NetworkSection()) {
      ReportError("No netlist information found. Cannot assign net to pin " + fullName);
    } else if (TSpecctraNet* net = PinNetOf(fullName)) {
      pad.SetNet(net->GetHostNet());
      pad.SetPinRole(static_cast<uint8_t>(PinRole(*net, fullName)));
    } else {
      ReportLine("Pin " + fullName + " has no net assigned.");
    }
    pad.SetLayer(kMultiLayer);
    SetPadStack(pad, *padstack, fullName);
    pad.Update(kPcbMessageSecondWrite);
    const bool zeroSized = AllSizesZero(pad);
    if (padstack->Kind != TPinStackKind::eSurface && !zeroSized) {
      pad.SetHoleSize(kThroughHoleSize);
      pad.Update(kPcbMessageSecondWrite);
    }
    AddPcbObjectToContainer(Image().HostHandle(), pad.GetHandle());
    if (zeroSized) ReportWarning("WARNING: Zero sized pad imported: " + fullName);
  } catch (const std::exception&) {
    HostShowMessage(host::TMessageKind::Information, "Information", fullName);
  }
  return true;
}

void TSpecctraCompPin::SetPadStack(TPcbPad& pad, const TPinPadstack& padstack,
                                   const std::string& fullName) {
  switch (padstack.Kind) {
    case TPinStackKind::eSimple:
      if (!padstack.LargestSignal) return;
      SetTop(pad, *padstack.LargestSignal);
      SetMiddle(pad, *padstack.LargestSignal);
      SetBottom(pad, *padstack.LargestSignal);
      SetOnLayer(pad, kTopLayer, *padstack.LargestSignal);
      pad.SetLayer(padstack.LargestSignal->HostLayer);
      pad.SetStackMode(kPadStackSimple);
      return;
    case TPinStackKind::eTopMidBottom: {
      const std::optional<TPinPad>& signal = padstack.Signal;
      if (const auto& top = padstack.Front ? padstack.Front : signal) SetTop(pad, *top);
      if (signal) {
        SetMiddle(pad, *signal);
      } else if (padstack.LargestInner) {
        SetMiddle(pad, *padstack.LargestInner);
        ReportLine("Middle layer pad for pin " + fullName +
                   " will take largest available size defined on inner signal layers.");
      }
      if (const auto& bottom = padstack.Back ? padstack.Back : signal) SetBottom(pad, *bottom);
      pad.SetStackMode(kPadStackTopMiddleBottom);
      return;
    }
    case TPinStackKind::eFull:
      pad.SetStackMode(kPadStackFull);
      if (padstack.Signal)
        for (PcbLayerNumber layer = kTopLayer; layer <= kBottomLayer; ++layer)
          SetOnLayer(pad, layer, *padstack.Signal);
      for (const auto& [layer, layerPad] : padstack.LayerPads) SetOnLayer(pad, layer, layerPad);
      return;
    case TPinStackKind::eSurface: {
      const std::optional<TPinPad>& used = padstack.FirstLayer ? padstack.FirstLayer : padstack.LastLayer;
      if (used) {
        SetTop(pad, *used);
        SetOnLayer(pad, kTopLayer, *used);
      }
      pad.SetLayer(padstack.FirstLayer ? kTopLayer : kBottomLayer);
      pad.SetStackMode(kPadStackSimple);
      return;
    }
    case TPinStackKind::eUnknown: return;
  }
}
