#include "model/files/ParserDescriptor.h"

#include <algorithm>
#include <cstdlib>

#include "common/AsciiText.h"
#include "model/base/EmbeddedStorage.h"
#include "common/ParameterText.h"
#include "model/base/SpecctraText.h"
#include "rtl/PcbEmbedded.h"
#include "specctra_io/SpecctraParser.h"
#include "specctra_io/SpecctraWriter.h"

namespace {
constexpr std::string_view kConstantsType = "CONSTANTS";
constexpr uint8_t kIncludeTestpoint = 1;
constexpr uint8_t kIncludeGuides = 2;
constexpr uint8_t kIncludeImageConductor = 4;
}  // namespace

bool TSpecctraParserDescriptor::ReadFlag() { return Parser()->NextToken() == tkOn; }

bool TSpecctraParserDescriptor::LoadFromFile() {
  SetBlockDepth(1);
  bool result = true;
  const bool loopResult = RunParseLoop([&](int32_t id) {
    TSpecctraParser& parser = *Parser();
    switch (id) {
      case KeywordId("string_quote"): {
        const std::string& text = parser.NextTokenText();
        FQuoteChar = text.empty() ? 0 : text[0];
        if (FQuoteChar != '"' && FQuoteChar != '$' && FQuoteChar != '\'')
          ReportWarning("Recommended quote chars are: '', \" , $.");
        return true;
      }
      case KeywordId("space_in_quoted_tokens"): FSpaceInQuotedTokens = ReadFlag(); return true;
      case KeywordId("host_cad"): FHostCad = parser.NextTokenText(); return true;
      case KeywordId("host_version"): FHostVersion = parser.NextTokenText(); return true;
      case KeywordId("constant"): {
        TNameValuePair constant;
        constant.Name = parser.NextTokenText();
        constant.Value = CutText(parser.NextTokenText());
        FConstants.push_back(std::move(constant));
        return true;
      }
      case KeywordId("routes_include"): result = LoadRoutesInclude() && result; return true;
      case KeywordId("wires_include"): FWiresInclude = ReadFlag(); return true;
      case KeywordId("case_sensitive"): FCaseSensitive = ReadFlag(); return true;
      case KeywordId("via_rotate_first"): FViaRotateFirst = ReadFlag(); return true;
      case KeywordId("write_resolution"): LoadResolution(); return true;
      default: return false;
    }
  });
  return loopResult && result;
}

// (routes_include testpoint guides image_conductor): the words up to the closing parenthesis.
bool TSpecctraParserDescriptor::LoadRoutesInclude() {
  bool result = true;
  for (int32_t id = Parser()->NextToken(); id != tkCloseParen && !StopRequested();
       id = Parser()->NextToken()) {
    if (id == KeywordId("testpoint")) FRoutesInclude |= kIncludeTestpoint;
    else if (id == KeywordId("guides")) FRoutesInclude |= kIncludeGuides;
    else if (id == KeywordId("image_conductor")) FRoutesInclude |= kIncludeImageConductor;
    else {
      Parser()->ReportUnexpected();
      result = false;
    }
  }
  DecreaseDepth();
  return result;
}

bool TSpecctraParserDescriptor::ExportToPcb() {
  if (FConstants.empty()) return true;
  TParameterPairs description;
  for (std::size_t i = 0; i < FConstants.size(); ++i)
    description.emplace_back("C" + std::to_string(i),
                             FConstants[i].Name + "\r" + FConstants[i].Value);
  StoreTranslatorRecord(GetBoardHandle(), kConstantsType,
                        {{"CONSTCOUNT", std::to_string(FConstants.size())}}, description);
  return true;
}

bool TSpecctraParserDescriptor::ImportFromPcb() {
  const PcbHandle record = FindTranslatorObject(GetBoardHandle(), kConstantsType);
  if (!record) return true;
  TPcbEmbedded embedded(record);
  embedded.Update(kPcbMessageRead);
  const int storedCount = std::atoi(GetShortParameter(embedded.GetName(), "CONSTCOUNT").c_str());
  const TParameterList description = ParseParameters(embedded.GetData());
  // A count beyond the stored entries cannot be read; it costs one error, not one per entry.
  const int count = std::min(storedCount, static_cast<int>(description.size()));
  if (storedCount > count) ReportError("Error reading stored constant from PCB design.");
  for (int i = 0; i < count; ++i) {
    const TParameter* found = FindParameter(description, "C" + std::to_string(i));
    const std::string stored = found ? found->Value : std::string();
    const std::size_t cr = stored.find('\r');
    const std::string name = stored.substr(0, cr);
    const std::string value = cr == std::string::npos ? "" : stored.substr(cr + 1);
    if (name.empty() || value.empty()) {
      ReportError("Error reading stored constant from PCB design.");
      continue;
    }
    FConstants.push_back({name, CutText(value)});
  }
  return true;
}

bool TSpecctraParserDescriptor::ExportToFile() {
  TSpecctraWriter& writer = *Writer();
  writer.WriteLine("(parser ", true);
  writer.IndentIn(1);
  for (const TNameValuePair& constant : FConstants)
    writer.WriteLine("(constant " + QuoteName(constant.Name) + " " + QuoteName(constant.Value) + ")",
                     true);
  writer.IndentOut(1);
  writer.WriteLine(")", true);
  return true;
}
