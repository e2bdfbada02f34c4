// Without the PCB library loaded every entry point is missing: record exchanges answer 0 and
// leave the fields alone, creators and iterators answer nil, and the calls whose neutral
// answer is a failure (class members, layer-pair count) answer 1.
#include <gtest/gtest.h>

#include <vector>

#include "rtl/ObjectFactory.h"
#include "rtl/PcbBoard.h"
#include "rtl/PcbClass.h"
#include "rtl/PcbIteration.h"
#include "rtl/PcbObjectCalls.h"
#include "rtl/PcbRules.h"
#include "rtl/PcbText.h"
#include "rtl/RuleConstraints.h"

namespace {

class UnboundWrappers : public testing::Test {
protected:
  void SetUp() override {
    if (BindPcbApi()) GTEST_SKIP() << "the PCB library is loaded in this process";
  }
};

TEST_F(UnboundWrappers, ExchangesKeepTheFieldsAndAnswerSuccess) {
  for (uint8_t kind = 1; kind <= kPcbObjectBoardOutline; ++kind) {
    auto object = CreatePcbObjectOfKind(kind, 99);
    if (!object) continue;
    SCOPED_TRACE(int(kind));
    object->SetX(120000);
    object->SetY(-5);
    object->SetLayer(kTopOverlay);
    object->SetNet(17);
    object->SetFlags(kPcbFlagKeepout);
    object->SetName("GND");
    // A class has no members to read: its status is that of the failing member call.
    const int32_t expected = kind == kPcbObjectClass ? kPcbFail : kPcbOk;
    for (const uint8_t message : {kPcbMessageRead, kPcbMessageWrite, kPcbMessageSecondWrite})
      EXPECT_EQ(object->Update(message), expected) << int(message);
    EXPECT_EQ(object->GetX(), 120000);
    EXPECT_EQ(object->GetY(), -5);
    EXPECT_EQ(object->GetLayer(), kTopOverlay);
    EXPECT_EQ(object->GetNet(), 17u);
    EXPECT_TRUE(object->GetKeepout());
  }
}

TEST_F(UnboundWrappers, ReadingGivesTheConstructionDefaults) {
  TPcbText text(5);
  EXPECT_EQ(text.Update(kPcbMessageRead), kPcbOk);
  EXPECT_EQ(text.GetFontName(), "Arial");
  EXPECT_EQ(text.GetText(), "");

  TVelorKyxRule rule(6);
  EXPECT_EQ(rule.Update(kPcbMessageRead), kPcbOk);
  EXPECT_EQ(rule.GetLayer(), kMultiLayer);
  EXPECT_EQ(rule.GetScope1(), "All");
  EXPECT_EQ(rule.GetScope2(), "All");
  EXPECT_EQ(rule.GetName(), "");

  TPcbRuleExt ruleExt(6);
  ruleExt.Scope1().SubScopes().emplace_back();
  EXPECT_EQ(ruleExt.Update(kPcbMessageRead), kPcbOk);
  EXPECT_TRUE(ruleExt.Scope1().SubScopes().empty()) << "reading replaces the sub-scopes";

  TPCBObjectClass netClass(7);
  netClass.AddMember("VCC");
  EXPECT_EQ(netClass.Update(kPcbMessageRead), kPcbFail);
  EXPECT_EQ(netClass.GetMembers(), std::vector<std::string>{"VCC"}) << "reading appends";
}

TEST_F(UnboundWrappers, CreatorsAndIteratorsAnswerNil) {
  EXPECT_EQ(CreatePcbObject(kPcbObjectTrack), 0u);
  EXPECT_EQ(CreatePcbRuleObject(kRuleWidth), 0u);
  EXPECT_EQ(CreatePcbClassObject(kPcbClassOfNets), 0u);
  EXPECT_EQ(PcbObjectKindOf(12), 0);
  EXPECT_EQ(CreatePcbObjectFromHandle(12), nullptr);
  EXPECT_EQ(AddPcbObjectToContainer(1, 12), kPcbOk);

  TPcbIterator iterator(1, kPcbObjectTrack);
  EXPECT_EQ(iterator.First(), 0u);
  int visited = 0;
  ForEachPcbObject(1, kPcbObjectNet, [&](PcbHandle) { ++visited; });
  IterateBoard(
      1, [&](PcbHandle) { ++visited; }, ~0u, kPcbIterateDefault, TLayerSet().set());
  EXPECT_EQ(visited, 0);
}

TEST_F(UnboundWrappers, ConstraintExchangesLeaveTheRecord) {
  PcbMaxMinWidthConstraintRecord width{30000, 10000, 20000};
  EXPECT_EQ(QueryRuleConstraint(kPcbMessageRead, 3, width), kPcbOk);
  EXPECT_EQ(width.preferred, 20000);
}

TEST_F(UnboundWrappers, BoardReadsAsANewBoard) {
  TPcbBoard board(1);
  EXPECT_EQ(board.Update(kPcbMessageRead), kPcbOk);
  EXPECT_EQ(board.GetSplitPlaneMode(), 1);
  EXPECT_TRUE(board.LayerPairs().empty());
  for (PcbLayerNumber n = 1; n < kLayerCount; ++n) {
    SCOPED_TRACE(int(n));
    const TLayerObject* layer = board.LayerObject(n);
    ASSERT_NE(layer, nullptr);
    EXPECT_EQ(layer->GetName(), LayerName(n));
    EXPECT_EQ(layer->GetCopperThickness(), 14000);
    EXPECT_EQ(layer->Dielectric().height, 126000);
    EXPECT_EQ(layer->Dielectric().dielectricType, 1);
    EXPECT_DOUBLE_EQ(layer->Dielectric().dielectricConstant, 4.8);
    EXPECT_EQ(board.InternalPlane(n) != nullptr, n >= 39 && n <= 54);
  }
  EXPECT_EQ(board.InternalPlane(39)->GetPlaneNetName(), "(No Net)");
  EXPECT_EQ(board.ExternalDielectrics().top.height, 126000);
  EXPECT_EQ(board.ExternalDielectrics().bottom.material.length, 4);
  EXPECT_EQ(board.Update(kPcbMessageWrite), kPcbOk);
}

}  // namespace
