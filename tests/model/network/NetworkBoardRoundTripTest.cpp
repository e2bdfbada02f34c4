// The network section against a running PCB server: host nets, fix-net rules and the routed
// nets read back for a routes file.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "model/files/SpecctraDesign.h"
#include "model/files/SpecctraRoutes.h"
#include "model/network/PinNets.h"
#include "model/network/SpecctraNet.h"
#include "rtl/PcbConnectivity.h"
#include "rtl/PcbIteration.h"
#include "rtl/PcbRules.h"
#include "rtl/RuleConstraints.h"
#include "rtl/ServerRoundTripSupport.h"
#include "rtl/TranslationState.h"
#include "specctra_io/SpecctraParser.h"
#include "specctra_io/SpecctraWriter.h"

namespace {

struct THostNet {
  PcbHandle Handle;
  std::string Name;
};

struct THostRule {
  uint8_t Kind;
  std::string Name;
  std::string Scope;
  std::vector<uint8_t> Layers;
};

class NetworkOnBoard : public TServerRoundTrip {
protected:
  void SetUp() override {
    TServerRoundTrip::SetUp();
    ResetTranslationState();
  }
  void TearDown() override {
    FDesign.reset();
    FParser.reset();
    ResetTranslationState();
    TServerRoundTrip::TearDown();
  }

  // Reads the network block as a design and writes the design to the board.
  TSpecctraDesign& Import(const std::string& network) {
    FParser = std::make_unique<TSpecctraParser>(
        std::make_unique<TInputFile>("nets.dsn", "(pcb d " + network + ")"));
    RegisterKeywords(*FParser);
    FDesign = std::make_unique<TSpecctraDesign>(Board, FParser.get(), "nets.dsn");
    EXPECT_TRUE(FDesign->LoadFromFile());
    return *FDesign;
  }
  TSpecctraNet* Net(const std::string& name) {
    return static_cast<TSpecctraNet*>(FDesign->FindNet(name));
  }

  std::vector<THostNet> HostNets() const {
    std::vector<THostNet> nets;
    ForEachPcbObject(Board, kPcbObjectNet, [&](PcbHandle handle) {
      TPcbNet net(handle);
      net.Update(kPcbMessageRead);
      nets.push_back({handle, net.GetName()});
    });
    return nets;
  }
  std::vector<THostRule> HostRules() const {
    std::vector<THostRule> rules;
    ForEachPcbObject(Board, kPcbObjectRule, [&](PcbHandle handle) {
      TPcbRuleEx rule(handle);
      rule.Update(kPcbMessageRead);
      PcbRoutingLayersRuleRecord layers{};
      std::fill(std::begin(layers.layers), std::end(layers.layers), 7);
      QueryRuleConstraint(kPcbMessageRead, handle, layers);
      rules.push_back({rule.GetRuleKind(), rule.GetName(), rule.GetScope1(),
                       std::vector<uint8_t>(std::begin(layers.layers), std::end(layers.layers))});
    });
    return rules;
  }

private:
  std::unique_ptr<TSpecctraParser> FParser;
  std::unique_ptr<TSpecctraDesign> FDesign;
};

}  // namespace

TEST_F(NetworkOnBoard, EachNetNameBecomesOneHostNet) {
  TSpecctraDesign& design = Import(
      "(network (net GND (pins U1-7 U2-7)) (net EMPTY) (net gnd2 (pins U3-1)) (net GND2 (pins "
      "U4-1)))");
  // Host nets come into being on first use, before the network writes its nets.
  TSpecctraNet* gnd = PinNetOf("U2-7");
  ASSERT_NE(gnd, nullptr);
  const PcbHandle early = gnd->GetHostNet();
  ASSERT_NE(early, 0u);
  ASSERT_TRUE(design.ExportToPcb());

  const std::vector<THostNet> nets = HostNets();
  std::map<std::string, int> count;
  for (const THostNet& net : nets) ++count[net.Name];
  EXPECT_EQ(count, (std::map<std::string, int>{{"EMPTY", 1}, {"GND", 1}, {"GND2", 1}}))
      << "one host net per name, also for a net defined twice";
  EXPECT_EQ(PinNetOf("U1-7")->GetHostNet(), early);
  EXPECT_EQ(PinNetOf("U3-1")->GetHostNet(), PinNetOf("U4-1")->GetHostNet());
  const auto& lines = design.ReportManager().Lines();
  EXPECT_EQ(std::count(lines.begin(), lines.end(),
                       "WARNING: Net GND2 is defined more than once; its definitions share one "
                       "host net."),
            1);
  EXPECT_TRUE(HostRules().empty()) << "only fixed nets carry a rule";
}

TEST_F(NetworkOnBoard, AFixedNetGetsARuleThatKeepsTheRouterOff) {
  TSpecctraDesign& design =
      Import("(network (net CLK (type fix) (pins U1-1)) (net DATA (type normal)))");
  ASSERT_TRUE(design.ExportToPcb());
  const std::vector<THostRule> rules = HostRules();
  ASSERT_EQ(rules.size(), 1u);
  EXPECT_EQ(rules[0].Kind, kRuleRoutingLayers);
  EXPECT_EQ(rules[0].Name, "Don't route net CLK");
  EXPECT_EQ(rules[0].Scope, "InNet('CLK')");
  EXPECT_EQ(rules[0].Layers, std::vector<uint8_t>(kPcbRoutingLayerCount, 0));
  EXPECT_EQ(HostNets().size(), 2u);
}

TEST_F(NetworkOnBoard, PairsAndBundlesLeaveNoHostObject) {
  TSpecctraDesign& design = Import("(network (pair (nets A B)) (bundle X (nets A B)))");
  ASSERT_TRUE(design.ExportToPcb());
  EXPECT_TRUE(HostNets().empty());
  EXPECT_TRUE(HostRules().empty());
  std::size_t classes = 0;
  ForEachPcbObject(Board, kPcbObjectClass, [&](PcbHandle) { ++classes; });
  EXPECT_EQ(classes, 0u);
}

TEST_F(NetworkOnBoard, RoutesFilesListEveryHostNetInNameOrder) {
  for (const char* name : {"VCC", "A(1)", "clk"}) {
    TPcbNet net(CreatePcbObject(kPcbObjectNet));
    net.Update(kPcbMessageRead);
    net.SetName(name);
    net.Update(kPcbMessageWrite);
    ASSERT_EQ(AddPcbObjectToContainer(Board, net.GetHandle()), kPcbOk);
  }
  TSpecctraWriter writer("board.rte");
  TSpecctraRoutes routes(Board, &writer, "board.rte");
  ASSERT_TRUE(routes.ImportFromPcb());
  ASSERT_TRUE(routes.ExportToFile());
  const std::string& text = writer.Buffer();
  EXPECT_NE(text.find("  (network_out \r\n"
                      "    (net 'A(1)'\r\n"
                      "    )\r\n"
                      "    (net clk\r\n"
                      "    )\r\n"
                      "    (net VCC\r\n"
                      "    )\r\n"
                      "  )\r\n"),
            std::string::npos)
      << text;
}
