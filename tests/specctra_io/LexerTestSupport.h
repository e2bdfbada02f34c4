// Helpers of the lexer tests: parsers over text held in memory, and a compact description
// of a token stream.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "specctra_io/SpecctraParser.h"

inline std::unique_ptr<TSpecctraParser> ParserOn(std::string_view text) {
  auto parser = std::make_unique<TSpecctraParser>(
      std::make_unique<TInputFile>("test.dsn", std::string(text)));
  RegisterKeywords(*parser);
  return parser;
}

// One token: "(" and ")", K:WORD for a keyword, W:WORD for another word, Q:text for a quoted
// string, S:c for the quote character chosen by string_quote.
inline std::string DescribeToken(const TBlockParser& parser, int32_t id) {
  if (id == tkOpenParen || id == tkCloseParen) return parser.TokenText();
  if (id == tkQuotedString) return "Q:" + parser.TokenText();
  if (id == tkUnknownWord) return "W:" + parser.TokenText();
  if (id == 0 && !parser.IsKeyword()) return "S:" + parser.TokenText();
  return "K:" + parser.TokenText();
}

// Every token up to the end of the input, separated by blanks. The end is the empty word
// once the input has ended; the tokens after it are checked to stay the empty word.
inline std::string DescribeAllTokens(TSpecctraParser& parser) {
  std::string described;
  for (int guard = 0; guard < 100000; ++guard) {
    const int32_t id = parser.NextToken();
    if (id == tkUnknownWord && parser.TokenText().empty() && parser.EndOfInput()) {
      if (parser.NextToken() != tkUnknownWord || !parser.TokenText().empty())
        return described + " <more>";
      return described;
    }
    if (!described.empty()) described += ' ';
    described += DescribeToken(parser, id);
  }
  return described + " <endless>";
}

inline std::string DescribeAllTokens(std::string_view text) {
  return DescribeAllTokens(*ParserOn(text));
}
