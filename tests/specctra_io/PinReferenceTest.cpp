#include <gtest/gtest.h>

#include <string>

#include "specctra_io/LexerTestSupport.h"

namespace {

// Every pin reference of the text up to the end of the input, as the pin lists read them:
// each described like a token, separated by blanks.
std::string DescribePinReferences(std::string_view text) {
  auto parser = ParserOn(text);
  std::string described;
  for (int guard = 0; guard < 1000; ++guard) {
    const int32_t id = parser->NextPinReference();
    if (parser->EndOfInput() && id == tkUnknownWord && parser->TokenText().empty())
      return described;
    if (!described.empty()) described += ' ';
    described += DescribeToken(*parser, id);
    if (parser->CurrentId() != id) return described + " <id not kept>";
  }
  return described + " <endless>";
}

}  // namespace

TEST(PinReference, GluedQuotedPartsFormOneReference) {
  struct TCase {
    const char* Text;
    const char* Expected;
  };
  const TCase cases[] = {
      {"U1-5 u2-7)", "W:U1-5 W:U2-7 )"},
      {"PC1-\"CAN-L\" R2-1", "W:PC1-CAN-L W:R2-1"},
      {"\"ESP32-WROOM dev module\"-1)", "W:ESP32-WROOM dev module-1 )"},
      {"\"J3 -+\"-\"_VBUS #22\" X1-2", "W:J3 -+-_VBUS #22 W:X1-2"},
      {"\"J2(--)\"-\"GND\")", "W:J2(--)-GND )"},
      {"\"only quoted\" u3-1", "Q:only quoted W:U3-1"},
      {"a-\"b\"-c-\"d\"", "W:A-b-C-d"},
      // A quoted part ends the reference at a blank, a tab or a line end.
      {"\"A\"\t\"B\"\r\n\"C\" (", "Q:A Q:B Q:C ("},
      // The reference's escapes are those of quoted strings.
      {"U1-\"a\\\"b\"", "W:U1-a\"b"},
      // A reference running into the end of the input keeps its last byte.
      {"U9-1", "W:U9-1"},
      {"U9-\"1", "W:U9-1"},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Text);
    EXPECT_EQ(DescribePinReferences(std::string("(string_quote \")") + c.Text),
              std::string("( K:STRING_QUOTE S:\" ) ") + c.Expected);
  }
}

TEST(PinReference, FollowsTheChosenQuoteCharacter) {
  // With the apostrophe as quote (the default) a double quote is an ordinary byte of a word.
  EXPECT_EQ(DescribePinReferences("PC1-'CAN-L' PC1-\"X\""), "W:PC1-CAN-L W:PC1-\"X\"");
  EXPECT_EQ(DescribePinReferences("(string_quote $) $J 1$-$a$"),
            "( K:STRING_QUOTE S:$ ) W:J 1-a");
}

TEST(PinReference, OtherTokensStayAsTheLexerReadsThem) {
  // Outside the pin lists the same text is read by the plain token rules.
  EXPECT_EQ(DescribeAllTokens("(string_quote \")PC1-\"CAN-L\""),
            "( K:STRING_QUOTE S:\" ) W:PC1-\"CAN-L\"");
  EXPECT_EQ(DescribeAllTokens("PC1-'CAN-L'"), "W:PC1- W:CAN-L");
  // Parentheses glued to references, lone terminators and keywords.
  EXPECT_EQ(DescribePinReferences("(pins U1-1)"), "( K:PINS W:U1-1 )");
  EXPECT_EQ(DescribePinReferences("U1-1;U2-2"), "W:U1-1 W:U2-2");
}

TEST(PinReference, LongReferencesAreCut) {
  const std::string longPart(300, 'q');
  auto parser = ParserOn("(string_quote \")U1-\"" + longPart + "\"-" + longPart + " U2-1");
  for (int i = 0; i < 4; ++i) parser->NextToken();
  parser->NextPinReference();
  EXPECT_EQ(parser->TokenText(), "U1-" + std::string(252, 'q'));
  parser->NextPinReference();
  EXPECT_EQ(parser->TokenText(), "U2-1");
}
