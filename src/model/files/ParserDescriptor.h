// The parser section: how the file was written (quote character, host CAD) and the design's
// constants, which the import keeps in the board for the routes export.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/files/FileSection.h"
#include "model/base/SpecctraValueTypes.h"

class TSpecctraParserDescriptor : public TSpecctraFileSectionDescriptor {
public:
  using TSpecctraFileSectionDescriptor::TSpecctraFileSectionDescriptor;
  std::string_view ClassName() const override { return "TSpecctraParserDescriptor"; }

  //   (parser (string_quote c) (space_in_quoted_tokens on) (host_cad t) (host_version t)
  //           (constant name value) (routes_include testpoint guides image_conductor)
  //           (wires_include on) (case_sensitive on) (via_rotate_first on)
  //           (write_resolution unit value))
  bool LoadFromFile() override;
  // Stores the constants in the board (when there are any).
  bool ExportToPcb() override;
  // Reads the constants back from the board.
  bool ImportFromPcb() override;
  // (parser (constant name value) ...)
  bool ExportToFile() override;

  const std::vector<TNameValuePair>& Constants() const { return FConstants; }
  char QuoteChar() const { return FQuoteChar; }
  bool SpaceInQuotedTokens() const { return FSpaceInQuotedTokens; }
  const std::string& HostCad() const { return FHostCad; }
  const std::string& HostVersion() const { return FHostVersion; }
  uint8_t RoutesInclude() const { return FRoutesInclude; }

private:
  bool LoadRoutesInclude();
  // The next token is "on".
  bool ReadFlag();

  char FQuoteChar = 0;
  bool FSpaceInQuotedTokens = false;
  std::string FHostCad;
  std::string FHostVersion;
  std::vector<TNameValuePair> FConstants;
  uint8_t FRoutesInclude = 0;
  bool FWiresInclude = false;
  bool FCaseSensitive = false;
  bool FViaRotateFirst = true;
};
