#include "specctra_io/SpecctraParser.h"

#include <stdexcept>

#include "common/AsciiText.h"
#include "report/ReportManager.h"

TSpecctraParser::TSpecctraParser(const std::string& fileName) { OpenFile(fileName); }

TSpecctraParser::TSpecctraParser(std::unique_ptr<TInputFile> input) { OpenInput(std::move(input)); }

void TSpecctraParser::OpenFile(const std::string& fileName) {
  OpenInput(std::make_unique<TInputFile>(fileName));
}

void TSpecctraParser::OpenInput(std::unique_ptr<TInputFile> input) {
  if (!input) throw std::invalid_argument("TSpecctraParser.OpenInput - no input");
  const std::string caption = "Loading DSN file " + CutText(input->FileName());
  TBlockParser::OpenInput(std::move(input), caption);
}

int32_t TSpecctraParser::NextToken() {
  FCurrentId = TBlockParser::NextToken();
  return FCurrentId;
}

int32_t TSpecctraParser::NextPinReference() {
  FCurrentId = TBlockParser::NextPinReference();
  return FCurrentId;
}

bool TSpecctraParser::ExpectToken(int32_t id) {
  if (NextToken() == id) return true;
  ReportUnexpected();
  return false;
}

void TSpecctraParser::ReportUnexpected() {
  if (!Report()) return;
  Report()->AddError("Unexpected token <" + TokenText() + "> in line " +
                     std::to_string(static_cast<uint32_t>(Line())));
}

bool TSpecctraParser::IsPcbFile() { return NextToken() == tkOpenParen && ExpectToken(tkPcb); }
