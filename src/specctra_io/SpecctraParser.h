// The lexer of the Specctra design language: the block lexer with the Specctra keyword table,
// the opened file, the current token id, and the two checks every block parser uses.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "specctra_io/BlockParser.h"
#include "specctra_io/SpecctraTokens.h"

class TSpecctraParser : public TBlockParser {
public:
  // Opens the file (raises std::runtime_error naming it when it cannot be read). The creator
  // calls RegisterKeywords before reading the first token.
  explicit TSpecctraParser(const std::string& fileName);
  // Reads input that is already in memory, as if it were opened from its file.
  explicit TSpecctraParser(std::unique_ptr<TInputFile> input);

  // Continues with another file; the rest of the current one is not read.
  void OpenFile(const std::string& fileName);
  void OpenInput(std::unique_ptr<TInputFile> input);

  int32_t NextToken() override;
  int32_t NextPinReference() override;
  int32_t CurrentId() const { return FCurrentId; }

  // Reads the next token; when its id is not the expected one, reports it. Answers whether
  // it was.
  bool ExpectToken(int32_t id);
  // "Unexpected token <text> in line n" for the current token.
  void ReportUnexpected();
  // Whether the input begins with "(" and the keyword pcb. Reports nothing without a report.
  bool IsPcbFile();

private:
  int32_t FCurrentId = 0;
};
