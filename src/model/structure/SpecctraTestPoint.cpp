#include "model/structure/SpecctraTestPoint.h"

#include "common/NumberFormat.h"
#include "model/base/BoardHelpers.h"
#include "model/base/InlineValues.h"
#include "model/base/SpecctraText.h"
#include "rtl/PcbObject.h"
#include "specctra_io/SpecctraParser.h"
#include "specctra_io/SpecctraWriter.h"

bool TSpecctraTestPoint::LoadFromFile() {
  TSpecctraParser& parser = *Parser();
  int32_t coordinates = 0;
  bool result = true;
  const bool loopResult = RunParseLoop([&](int32_t id) {
    switch (id) {
      case KeywordId("front"): FSide = eSide_Front; return true;
      case KeywordId("back"): FSide = eSide_Back; return true;
      case KeywordId("net"): result = ReadWordValue(*this, FNetName) && result; return true;
      case KeywordId("type"): result = LoadType() && result; return true;
      case tkOpenParen:
      case tkCloseParen: return false;
      default: break;
    }
    if (coordinates > 0) return false;
    // The first other token is X, the next one Y.
    coordinates = 2;
    double x = 0;
    const bool xRead = parser.CurrentAsFloat(x);
    double y = 0;
    const bool yRead = ReadRealValue(*this, y);
    FPosition = {x, y};
    result = xRead && yRead && result;
    return true;
  });
  return loopResult && result;
}

bool TSpecctraTestPoint::LoadType() {
  TSpecctraParser& parser = *Parser();
  switch (parser.NextToken()) {
    case KeywordId("normal"): FType = eTestPoint_Normal; return true;
    case KeywordId("route"): FType = eTestPoint_Route; return true;
    case KeywordId("protect"): FType = eTestPoint_Protect; return true;
    default:
      parser.ReportUnexpected();
      CountParenthesis(*this);
      return false;
  }
}

void TSpecctraTestPoint::ImportFromHostObject(const TPCBObject& object) {
  FSide = object.GetTestPointBottom() ? eSide_Back : eSide_Front;
  FPosition = {static_cast<double>(object.GetX()), static_cast<double>(object.GetY())};
  FNetName = HostNetName(object.GetNet());
  FType = object.GetRoutedState() != 0 ? eTestPoint_Route : eTestPoint_Protect;
}

bool TSpecctraTestPoint::ExportToFile() {
  TSpecctraWriter& writer = *Writer();
  const auto toHost = [](double value) { return static_cast<int32_t>(value); };
  writer.Write("(point " + FormatNumber(ToSpecctraX(toHost(FPosition.X))) + " " +
                   FormatNumber(ToSpecctraY(toHost(FPosition.Y))) + " " +
                   (FSide == eSide_Back ? "back" : "front") + " ",
               true);
  writer.Write("(net " + QuoteName(FNetName) + ")", false);
  if (FType == eTestPoint_Route) writer.Write("(type route)", false);
  if (FType == eTestPoint_Protect) writer.Write("(type protect)", false);
  writer.WriteLine(")", false);
  return true;
}
