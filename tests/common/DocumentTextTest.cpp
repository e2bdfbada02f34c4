#include <gtest/gtest.h>

#include <string>

#include "common/DocumentText.h"

namespace {

TEST(DocumentText, EveryByteSurvivesTheRoundTrip) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  const std::string text = BytesToDocumentText(all);
  EXPECT_EQ(text.size(), 128u + 2u * 128u);
  EXPECT_EQ(DocumentTextToBytes(text), all);
}

TEST(DocumentText, BytesAreCharactersOfTheSameNumber) {
  const struct {
    std::string Bytes;
    std::string Text;
  } cases[] = {
      {"GND", "GND"},
      {"\xB5"
       "F",
       "\xC2\xB5"
       "F"},                             // byte B5 is U+00B5
      {"\xC3\xA9", "\xC3\x83\xC2\xA9"},  // a UTF-8 name shows as its two bytes
      {std::string("a\0b", 3), std::string("a\0b", 3)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Text);
    EXPECT_EQ(BytesToDocumentText(c.Bytes), c.Text);
    EXPECT_EQ(DocumentTextToBytes(c.Text), c.Bytes);
  }
}

TEST(DocumentText, CharactersBeyondTheByteRangeKeepTheirUtf8) {
  EXPECT_EQ(DocumentTextToBytes("\xE2\x82\xAC"
                                "5"),
            "\xE2\x82\xAC"
            "5");                                  // U+20AC
  EXPECT_EQ(DocumentTextToBytes("\xC3"), "\xC3");  // a cut sequence stays as it is
}

}  // namespace
