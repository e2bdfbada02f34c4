#include <gtest/gtest.h>

#include "model/base/SpecctraText.h"

// A name with a blank used to be written bare, so a reader split it into several names; an
// empty name was written as nothing, so a reader took the next word for the name.
TEST(SpecctraText, QuoteNameEnclosesNamesThatABlankOrParenthesisWouldSplit) {
  const struct {
    const char* name;
    const char* written;
  } cases[] = {
      {"U1", "U1"},
      {"+5V", "+5V"},
      {"J 1", "'J 1'"},
      {"Blink Light", "'Blink Light'"},
      {"tab\there", "'tab\there'"},
      {"GND(1)", "'GND(1)'"},
      {"it's", "it's"},
      {"", "''"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(QuoteName(c.name), c.written);
  }
}
