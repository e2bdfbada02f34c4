#include "model/library/SpecctraJumper.h"

#include <stdexcept>

#include "common/NumberFormat.h"
#include "specctra_io/SpecctraParser.h"

namespace {

bool OutOfRange(double value) { return value < 0 && value != -1; }

}  // namespace

bool TSpecctraJumper::LoadFromFile() {
  TSpecctraParser& parser = *Parser();
  bool result = true;
  const bool loopResult = RunParseLoop([&](int32_t id) {
    switch (id) {
      case KeywordId("height"):
        FHeight = parser.ReadFloat();
        if (OutOfRange(FHeight))
          throw std::range_error(FormatNumber(FHeight) +
                                 " is not valid value for Jumper Height. \r\n Only positive or "
                                 "system default values are allowed.");
        return true;
      case KeywordId("length"):
        FLength = parser.ReadFloat();
        if (OutOfRange(FLength))
          throw std::range_error(FormatNumber(FLength) +
                                 " is not valid value for Jumper Length. \r\n Only positive "
                                 "values are allowed.");
        return true;
      case KeywordId("use_via"):
        parser.NextToken();
        if (parser.CurrentId() == tkOpenParen || parser.CurrentId() == tkCloseParen)
          result = HandleToken() && false;
        else
          FUseVia = parser.TokenText();
        return true;
      default: return false;
    }
  });
  return loopResult && result;
}
