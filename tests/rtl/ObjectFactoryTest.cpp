#include <gtest/gtest.h>

#include <set>

#include "rtl/ObjectFactory.h"
#include "rtl/PcbObjectCalls.h"
#include "rtl/PcbPolygons.h"
#include "rtl/PcbRules.h"

namespace {

TEST(ObjectFactory, EveryKindWithWrapperGetsItsOwnKind) {
  const std::set<int> withoutWrapper = {0, 23, 24, 25};
  constexpr PcbHandle kHandle = 4711;
  for (int kind = 0; kind <= 255; ++kind) {
    SCOPED_TRACE(kind);
    const auto object = CreatePcbObjectOfKind(static_cast<uint8_t>(kind), kHandle);
    if (withoutWrapper.count(kind) || kind > kPcbObjectBoardOutline) {
      EXPECT_EQ(object, nullptr);
      continue;
    }
    ASSERT_NE(object, nullptr);
    EXPECT_EQ(object->GetObjectKind(), kind);
    EXPECT_EQ(object->GetHandle(), kHandle);
  }
}

TEST(ObjectFactory, RulesAndOutlinesGetTheirClasses) {
  EXPECT_NE(dynamic_cast<TPcbRule*>(CreatePcbObjectOfKind(kPcbObjectRule, 1).get()), nullptr);
  const auto outline = CreatePcbObjectOfKind(kPcbObjectBoardOutline, 1);
  EXPECT_NE(dynamic_cast<TPcbBoardOutline*>(outline.get()), nullptr);
  const auto polygon = CreatePcbObjectOfKind(kPcbObjectPolygon, 1);
  EXPECT_EQ(dynamic_cast<TPcbBoardOutline*>(polygon.get()), nullptr);
}

TEST(ObjectFactory, NilHandleHasNoKindNoWrapperAndNoName) {
  EXPECT_EQ(PcbObjectKindOf(0), 0);
  EXPECT_EQ(CreatePcbObjectFromHandle(0), nullptr);
  EXPECT_EQ(PcbObjectNameText(0), "");
}

}  // namespace
