#include "model/files/ResolutionDescriptors.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "rtl/TranslationState.h"
#include "specctra_io/SpecctraParser.h"
#include "specctra_io/SpecctraWriter.h"

namespace {

constexpr TResolutionUnitWord kCapacitanceUnits[] = {
    {KeywordId("farad"), 0},  {KeywordId("mfarad"), 1}, {KeywordId("ufarad"), 2},
    {KeywordId("nfarad"), 3}, {KeywordId("pfarad"), 4}, {KeywordId("ffarad"), 5}};
constexpr TResolutionUnitWord kConductanceUnits[] = {
    {KeywordId("g"), 0}, {KeywordId("kg"), 1}, {KeywordId("mg"), 2}};
constexpr TResolutionUnitWord kCurrentUnits[] = {{KeywordId("amp"), 0}, {KeywordId("mamp"), 1}};
constexpr TResolutionUnitWord kInductanceUnits[] = {
    {KeywordId("mhenry"), 0}, {KeywordId("uhenry"), 1}, {KeywordId("nhenry"), 2}};
constexpr TResolutionUnitWord kResistanceUnits[] = {
    {KeywordId("kohm"), 0}, {KeywordId("ohm"), 1}, {KeywordId("mohm"), 2}};
constexpr TResolutionUnitWord kDimensionUnits[] = {
    {KeywordId("inch"), uInch}, {KeywordId("mil"), uMil}, {KeywordId("cm"), uCm},
    {KeywordId("mm"), uMm},     {KeywordId("um"), uUm}};
constexpr TResolutionUnitWord kVoltageUnits[] = {{KeywordId("volt"), 0}, {KeywordId("mvolt"), 1}};
constexpr TResolutionUnitWord kTimeUnits[] = {{KeywordId("sec"), 0},  {KeywordId("msec"), 1},
                                              {KeywordId("usec"), 2}, {KeywordId("nsec"), 3},
                                              {KeywordId("psec"), 4}};

constexpr int32_t kElectricalDefault = 1000;

}  // namespace

TResolutionDescriptor::TResolutionDescriptor(TSpecctraObject* owner,
                                             std::span<const TResolutionUnitWord> unitWords,
                                             uint8_t defaultCode, int32_t defaultValue)
    : TSpecctraObject(owner),
      FUnitWords(unitWords),
      FResolution(defaultValue),
      FUnitCode(defaultCode) {}

void TResolutionDescriptor::SetResolution(int32_t value) {
  if (value != -1 && value <= 0)
    throw std::range_error(std::to_string(value) +
                           " is not allowed value.  Value must be positive integer");
  FResolution = value;
}

bool TResolutionDescriptor::LoadFromFile() {
  bool result = true;
  while (!StopRequested()) {
    const int32_t id = NextTokenId();
    if (id == tkCloseParen) break;
    const auto unit = std::find_if(FUnitWords.begin(), FUnitWords.end(),
                                   [id](const TResolutionUnitWord& w) { return w.TokenId == id; });
    if (unit != FUnitWords.end()) {
      FUnitCode = unit->Code;
      // A missing or malformed value is reported by the parser and the default stays; when
      // the value is missing, the parenthesis read in its place still ends the statement.
      const int32_t value = Parser()->ReadInteger();
      if (!Parser()->NumberError()) SetResolution(value);
      else if (Parser()->TokenText() == ")") break;
    } else {
      result = HandleToken();
    }
  }
  return result;
}

TCapacitanceResolutionDescriptor::TCapacitanceResolutionDescriptor(TSpecctraObject* owner)
    : TResolutionDescriptor(owner, kCapacitanceUnits, 3, kElectricalDefault) {}
TConductanceResolutionDescriptor::TConductanceResolutionDescriptor(TSpecctraObject* owner)
    : TResolutionDescriptor(owner, kConductanceUnits, 1, kElectricalDefault) {}
TCurrentResolutionDescriptor::TCurrentResolutionDescriptor(TSpecctraObject* owner)
    : TResolutionDescriptor(owner, kCurrentUnits, 1, kElectricalDefault) {}
TInductanceResolutionDescriptor::TInductanceResolutionDescriptor(TSpecctraObject* owner)
    : TResolutionDescriptor(owner, kInductanceUnits, 2, kElectricalDefault) {}
TResistanceResolutionDescriptor::TResistanceResolutionDescriptor(TSpecctraObject* owner)
    : TResolutionDescriptor(owner, kResistanceUnits, 2, kElectricalDefault) {}
TDimensionResolutionDescriptor::TDimensionResolutionDescriptor(TSpecctraObject* owner)
    : TResolutionDescriptor(owner, kDimensionUnits, uInch, 2540000) {}
TVoltageResolutionDescriptor::TVoltageResolutionDescriptor(TSpecctraObject* owner)
    : TResolutionDescriptor(owner, kVoltageUnits, 1, kElectricalDefault) {}
TTimeResolutionDescriptor::TTimeResolutionDescriptor(TSpecctraObject* owner)
    : TResolutionDescriptor(owner, kTimeUnits, 3, kElectricalDefault) {}

bool TDimensionResolutionDescriptor::ExportToFile() {
  if (Writer()) Writer()->WriteLine("(resolution mm  100000)", true);
  // Host units are 1/10000 mil = 0.254 of 1/100000 mm.
  TranslationState().ResolutionScale = 0.254;
  return true;
}

TSpecctraUnit UnitFromToken(TSpecctraObject& object, int32_t tokenId) {
  for (const TResolutionUnitWord& word : kDimensionUnits)
    if (word.TokenId == tokenId) return static_cast<TSpecctraUnit>(word.Code);
  object.ReportWarning("Unknown unit token, mils will be used");
  return uMil;
}
