#include <gtest/gtest.h>

#include <string>

#include "rtl/PcbFixedStrings.h"

namespace {

TEST(PcbFixedStrings, TextsAreCutToTheCapacity) {
  const std::string longText(300, 'x');
  EXPECT_EQ(FromPcbString(ToPcbString20(longText)), std::string(20, 'x'));
  EXPECT_EQ(FromPcbString(ToPcbString254(longText)), std::string(254, 'x'));
  EXPECT_EQ(FromPcbString(ToPcbString20("U1-14")), "U1-14");
  EXPECT_EQ(FromPcbString(ToPcbString254("")), "");
}

TEST(PcbFixedStrings, BytesSurviveUnchanged) {
  const std::string bytes("\xC3\xA9\0\xFF", 4);
  EXPECT_EQ(FromPcbString(ToPcbString20(bytes)), bytes);
  EXPECT_EQ(FromPcbString(ToPcbString254(bytes)), bytes);
}

TEST(PcbFixedStrings, LengthBeyondTheCapacityIsHeldToIt) {
  PcbString20 name = ToPcbString20(std::string(20, 'n'));
  name.length = 255;
  EXPECT_EQ(FromPcbString(name), std::string(20, 'n'));
  PcbString254 text = ToPcbString254(std::string(254, 't'));
  text.length = 255;
  EXPECT_EQ(FromPcbString(text), std::string(254, 't'));
}

}  // namespace
