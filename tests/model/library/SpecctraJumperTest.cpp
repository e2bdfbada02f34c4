#include <gtest/gtest.h>

#include <stdexcept>

#include "model/geometry/ShapeTestSupport.h"
#include "model/library/SpecctraJumper.h"

TEST(SpecctraJumper, SizesBelowZeroOtherThanMinusOneEndTheImport) {
  struct TCase {
    const char* Text;
    const char* Error;  // nil: accepted
  };
  const TCase cases[] = {
      {"(jumper (height -1) (length -1) (use_via V20))", nullptr},
      {"(jumper (height 2.5) (length 0))", nullptr},
      {"(jumper (height -2))",
       "-2 is not valid value for Jumper Height. \r\n Only positive or system default values are "
       "allowed."},
      {"(jumper (length -0.5))",
       "-0.5 is not valid value for Jumper Length. \r\n Only positive values are allowed."},
  };
  for (const TCase& test : cases) {
    SCOPED_TRACE(test.Text);
    TShapeTestTop top(test.Text);
    top.EnterBlock();
    TSpecctraJumper jumper(&top);
    if (!test.Error) {
      EXPECT_TRUE(jumper.LoadFromFile());
      continue;
    }
    try {
      jumper.LoadFromFile();
      ADD_FAILURE() << "no range error";
    } catch (const std::range_error& error) {
      EXPECT_STREQ(error.what(), test.Error);
    }
  }
  TShapeTestTop top("(jumper (height -1) (length 12) (use_via V20))");
  top.EnterBlock();
  TSpecctraJumper jumper(&top);
  ASSERT_TRUE(jumper.LoadFromFile());
  EXPECT_EQ(jumper.Height(), -1);
  EXPECT_EQ(jumper.Length(), 12);
  EXPECT_EQ(jumper.UseVia(), "V20");
}
