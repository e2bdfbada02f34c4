#include <gtest/gtest.h>

#include "common/ParameterText.h"
#include "rtl/Parameters.h"

TEST(ParameterText, ParsesPairsAndIgnoresSegmentsWithoutName) {
  struct Case {
    const char* text;
    std::vector<std::pair<std::string, std::string>> expected;
  };
  const Case cases[] = {
      {"A=1|B=|C", {{"A", "1"}, {"B", ""}}},
      {"", {}},
      {"|=x| =y|", {}},
      {" Mode = Silent |mode=Loud", {{"Mode", "Silent"}, {"mode", "Loud"}}},
      {"Path=/a=b/c|Q= x=y ", {{"Path", "/a=b/c"}, {"Q", "x=y"}}},
      {"\tName\x01=\x02value\r\n", {{"Name", "value"}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    const TParameterList list = ParseParameters(c.text);
    ASSERT_EQ(list.size(), c.expected.size());
    for (std::size_t i = 0; i < list.size(); ++i) {
      EXPECT_EQ(list[i].Name, c.expected[i].first);
      EXPECT_EQ(list[i].Value, c.expected[i].second);
    }
  }
}

TEST(ParameterText, WritesEmptyValuesAsOneBlank) {
  EXPECT_EQ(ParametersToText(ParseParameters("A=1|B=|C")), "A=1|B= ");
  EXPECT_EQ(ParametersToText({}), "");
}

TEST(ParameterText, LookupTakesTheFirstMatchIgnoringCase) {
  std::string value;
  EXPECT_TRUE(GetParameterValue(" Mode = Silent |mode=Loud", "MODE", value));
  EXPECT_EQ(value, "Silent");
  EXPECT_FALSE(GetParameterValue("", "Mode", value));
  EXPECT_FALSE(GetParameterValue("Modes=1", "Mode", value));
}

TEST(ParameterText, LookupFollowsANewTextAfterTheCachedOne) {
  std::string value;
  ASSERT_TRUE(GetParameterValue("A=1", "A", value));
  EXPECT_EQ(value, "1");
  ASSERT_TRUE(GetParameterValue("A=2", "A", value));
  EXPECT_EQ(value, "2");
  EXPECT_FALSE(GetParameterValue("B=2", "A", value));
}

TEST(ParameterText, LongValuesAreCutAt255) {
  std::string value;
  ASSERT_TRUE(GetParameterValue("Path=" + std::string(300, 'x'), "path", value));
  EXPECT_EQ(value.size(), 255u);
}

TEST(ParameterText, SetReplacesTheFirstOrAppends) {
  std::string text = "a=1|B=2|b=3";
  SetParameterValue(text, "b", "  9 ");
  EXPECT_EQ(text, "a=1|B=9|b=3");
  SetParameterValue(text, "Result", "True");
  EXPECT_EQ(text, "a=1|B=9|b=3|Result=True");
  std::string empty;
  SetParameterValue(empty, "X", "");
  EXPECT_EQ(empty, "X= ");
}

TEST(ParameterText, TrueIgnoresCaseButNotBlanksInside) {
  EXPECT_TRUE(ParameterIsTrue("AutoRoute=tRUE", "autoroute"));
  EXPECT_FALSE(ParameterIsTrue("AutoRoute=yes", "AutoRoute"));
  EXPECT_FALSE(ParameterIsTrue("AutoRoute=Tr ue", "AutoRoute"));
  EXPECT_FALSE(ParameterIsTrue("", "AutoRoute"));
}
