#include "model/library/SpecctraComponentInstance.h"

#include "common/AsciiText.h"
#include "model/base/SpecctraText.h"
#include "model/files/SpecctraFile.h"
#include "model/library/SpecctraCompImage.h"
#include "rtl/PcbComponent.h"
#include "rtl/PcbObjectCalls.h"
#include "rtl/PcbText.h"
#include "specctra_io/SpecctraParser.h"

bool TSpecctraComponentInstance::LoadFromFile() {
  SetName(Parser()->NextTokenText());
  bool result = true;
  const bool loopResult =
      RunTolerantParseLoop([&](int32_t id) { return HandleStatement(id, result); });
  return loopResult && result;
}

bool TSpecctraComponentInstance::HandleStatement(int32_t id, bool& result) {
  switch (id) {
    case tkOpenParen:
    case tkCloseParen: return false;
    case KeywordId("mirror"):
      result = LoadChoice(FMirror, {{KeywordId("off"), 0}, {KeywordId("x"), 1}, {KeywordId("y"), 2},
                                    {KeywordId("xy"), 3}}) && result;
      return true;
    case KeywordId("status"):
      result = LoadChoice(FStatus, {{KeywordId("added"), 1}, {KeywordId("deleted"), 2},
                                    {KeywordId("substituted"), 3}}) && result;
      return true;
    case KeywordId("lock_type"):
      result = LoadChoice(FLockType, {{KeywordId("position"), 1}, {KeywordId("gate"), 2},
                                      {KeywordId("subgate"), 3}, {KeywordId("pin"), 4}}) && result;
      return true;
    case KeywordId("logical_part"): FLogicalPart = Parser()->NextTokenText(); return true;
    case KeywordId("pn"): FPartNumber = Parser()->NextTokenText(); return true;
    case KeywordId("rule"): result = LoadRule() && result; return true;
    case KeywordId("region"):
    case KeywordId("place_rule"):
    case KeywordId("property"):
      SkipUnknownBlock();
      DecreaseDepth();
      return true;
    default:
      // The first other token begins the position; later ones are unexpected.
      if (FPositionRead) return false;
      FPositionRead = true;
      result = LoadPlacement() && result;
      return true;
  }
}

bool TSpecctraComponentInstance::LoadPlacement() {
  TSpecctraParser& parser = *Parser();
  double x = 0;
  if (!parser.CurrentAsFloat(x)) return false;
  FPosition.X = x;
  FPosition.Y = parser.ReadFloat();
  if (parser.NumberError()) return false;
  FUnplaced = false;
  switch (NextTokenId()) {
    case KeywordId("front"): FSide = 0; break;
    case KeywordId("back"): FSide = 1; break;
    default: return HandleToken() && false;
  }
  FRotation = parser.ReadFloat();
  return !parser.NumberError();
}

bool TSpecctraComponentInstance::LoadChoice(
    uint8_t& field, std::initializer_list<std::pair<int32_t, uint8_t>> choices) {
  const int32_t id = NextTokenId();
  for (const auto& [keyword, value] : choices) {
    if (id == keyword) {
      field = value;
      return true;
    }
  }
  return HandleToken() && false;
}

TSpecctraCompImage* TSpecctraComponentInstance::FindImage() {
  auto* file = dynamic_cast<TSpecctraFile*>(TopObject());
  return file ? dynamic_cast<TSpecctraCompImage*>(file->FindImage(FImageName)) : nullptr;
}

bool TSpecctraComponentInstance::ExportToPcb() {
  TSpecctraCompImage* image = FindImage();
  if (!image) {
    ReportError("Footprint " + FImageName + " not found. Cannot import component " + Name());
    return false;
  }
  if (image->Side() != 2 && image->Side() != FSide) {
    std::string side;
    SideName(FSide, side);
    ReportError("Footprint " + FImageName + " doesn't allow placement on " + side +
                " for component " + Name());
    return false;
  }
  image->SetCurrentInstance(this);
  image->ExportToPcb();
  SetHostHandle(image->HostHandle());
  image->SetHostHandle(0);
  image->SetCurrentInstance(nullptr);
  return PlaceHostComponent(HostHandle());
}

bool TSpecctraComponentInstance::PlaceHostComponent(PcbHandle handle) {
  TPcbComponent component(handle);
  component.Update(kPcbMessageRead);
  component.SetOption1(1);
  component.SetOption2(0);
  TPcbText designator(component.GetDesignatorText());
  designator.Update(kPcbMessageRead);
  designator.SetText(CutText(Name(), 254));
  designator.SetLayer(kTopOverlay);
  designator.Update(kPcbMessageWrite);
  component.SetRoutedState(1);
  component.SetLayer(FSide == 1 ? kBottomLayer : kTopLayer);
  component.SetRotation(FRotation);
  component.Update(kPcbMessageSecondWrite);
  // A part without a position goes one inch from the file origin in X and in Y.
  const double inch = UnitsPerInch(UnitKind());
  component.SetX(ToBoardX(FUnplaced ? inch : FPosition.X));
  component.SetY(ToBoardY(FUnplaced ? inch : FPosition.Y));
  component.Update(kPcbMessageSecondWrite);
  if (AddPcbObjectToContainer(GetBoardHandle(), handle) == 0) return true;
  DestroyPcbObject(handle);
  SetHostHandle(0);
  return false;
}
