// lex_design DESIGN: reads the design and tokenizes all of it with the translator's lexer, as
// an import reads it, and prints the number of tokens. The bare-tokenizer reference of the
// benchmark scripts, measured as a whole process like the pcbhost verbs beside it.
#include <cstdio>
#include <exception>

#include "specctra_io/SpecctraParser.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: lex_design DESIGN\n");
    return 2;
  }
  try {
    TSpecctraParser parser(argv[1]);
    RegisterKeywords(parser);
    long long tokens = 0;
    while (!parser.EndOfInput()) {
      parser.NextToken();
      ++tokens;
    }
    std::printf("%lld tokens\n", tokens);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "lex_design: %s\n", error.what());
    return 1;
  }
  return 0;
}
