#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "model/files/SpecctraDesign.h"
#include "model/files/SpecctraRoutes.h"
#include "model/network/DsnNetworkDescriptor.h"
#include "model/network/PinNets.h"
#include "model/network/SpecctraNet.h"
#include "rtl/TranslationState.h"
#include "specctra_io/SpecctraParser.h"
#include "specctra_io/SpecctraWriter.h"

namespace {

// A design with the network block read from text, without a board.
class NetworkFromText {
public:
  // The network block inside a design that chooses the double quote; or, unwrapped, the
  // whole text of the design.
  explicit NetworkFromText(const std::string& network, bool wrapped = true)
      : FParser(std::make_unique<TInputFile>(
            "nets.dsn", wrapped ? "(pcb d (parser (string_quote \")) " + network + ")" : network)),
        FDesign(0, &FParser, "nets.dsn") {
    RegisterKeywords(FParser);
    FDesign.LoadFromFile();
  }

  TSpecctraDsnNetworkDescriptor& Network() {
    return *static_cast<TSpecctraDsnNetworkDescriptor*>(FDesign.NetworkSection());
  }
  bool HasNetwork() const { return FDesign.NetworkSection() != nullptr; }
  TSpecctraNet* Net(const std::string& name) {
    return static_cast<TSpecctraNet*>(FDesign.FindNet(name));
  }
  std::vector<std::string> NetNames() {
    std::vector<std::string> names;
    for (int32_t i = 0; i < Network().Nets().Count(); ++i)
      names.emplace_back(Network().Nets().NameAt(i));
    return names;
  }
  bool HasLine(const std::string& line) {
    const auto& lines = FDesign.ReportManager().Lines();
    return std::find(lines.begin(), lines.end(), line) != lines.end();
  }
  int32_t Errors() { return FDesign.ReportManager().ErrorCount(); }
  int32_t Warnings() { return FDesign.ReportManager().WarningCount(); }

private:
  TSpecctraParser FParser;
  TSpecctraDesign FDesign;
};

std::vector<std::string> Listed(const TPinReferenceList* pins) {
  return pins ? std::vector<std::string>(pins->begin(), pins->end()) : std::vector<std::string>{};
}

class SpecctraNetTest : public ::testing::Test {
protected:
  void SetUp() override { ResetTranslationState(); }
  void TearDown() override { ResetTranslationState(); }
};

}  // namespace

TEST_F(SpecctraNetTest, PinsAreListedAndMappedToTheirNet) {
  NetworkFromText design(
      "(network (net GND (pins U1-7 U2-7 u1-7) (order U3-1 U1-7))"
      " (net \"Vcc 3V3\" (pins PC1-\"CAN-L\" \"ESP32-WROOM dev module\"-1 \"J3 -+\"-\"_VBUS #22\""
      "  \"J2(--)\"-\"GND\")))");
  TSpecctraNet* gnd = design.Net("gnd");
  ASSERT_NE(gnd, nullptr) << "the lookup ignores letter case";
  EXPECT_EQ(Listed(&gnd->Pins()), (std::vector<std::string>{"U1-7", "U2-7", "U3-1"}));
  for (const char* pin : {"U1-7", "u2-7", "U3-1"}) {
    SCOPED_TRACE(pin);
    EXPECT_EQ(PinNetOf(pin), gnd);
  }
  TSpecctraNet* vcc = design.Net("Vcc 3V3");
  ASSERT_NE(vcc, nullptr);
  EXPECT_EQ(Listed(&vcc->Pins()),
            (std::vector<std::string>{"ESP32-WROOM dev module-1", "J2(--)-GND", "J3 -+-_VBUS #22",
                                      "PC1-CAN-L"}));
  EXPECT_EQ(PinNetOf("PC1-CAN-L"), vcc);
  EXPECT_EQ(PinNetOf("U9-9"), nullptr);
  EXPECT_EQ(design.Errors(), 0);
}

TEST_F(SpecctraNetTest, APinListedByTwoNetsStaysWithTheFirst) {
  NetworkFromText design("(network (net B (pins U1-1 U2-2)) (net A (pins U1-1 U3-3)))");
  EXPECT_EQ(PinNetOf("U1-1"), design.Net("B"));
  EXPECT_EQ(PinNetOf("U3-3"), design.Net("A"));
  EXPECT_EQ(Listed(&design.Net("A")->Pins()), (std::vector<std::string>{"U1-1", "U3-3"}));
  EXPECT_EQ(design.NetNames(), (std::vector<std::string>{"A", "B"})) << "nets in name order";
}

TEST_F(SpecctraNetTest, AFailedNetIsDroppedAndGivesUpOnlyItsOwnPins) {
  ResetTranslationState();
  NetworkFromText design(
      "(network (net A (pins U1-1)) (net BAD (pins U1-1 U2-2) (fromto U1-1)) (net C (pins U2-2))"
      " (net D))");
  EXPECT_TRUE(design.HasLine("ERROR: Loading net: BAD"));
  EXPECT_EQ(design.Net("BAD"), nullptr);
  EXPECT_EQ(design.NetNames(), (std::vector<std::string>{"A", "C", "D"}))
      << "the nets after the failed one still load";
  EXPECT_EQ(PinNetOf("U1-1"), design.Net("A")) << "an earlier net keeps its pin";
  EXPECT_EQ(PinNetOf("U2-2"), design.Net("C"));
}

// A network going away takes its pins out of the run's map at once; another network's stay.
TEST_F(SpecctraNetTest, ANetworkGoingAwayReleasesOnlyItsOwnPins) {
  NetworkFromText kept("(network (net A (pins U1-1 U2-2)))");
  {
    NetworkFromText gone("(network (net B (pins U3-3 U1-1)) (net C (pins U4-4)))");
    EXPECT_EQ(PinNetOf("U3-3"), gone.Net("B"));
    EXPECT_EQ(PinNetOf("U1-1"), kept.Net("A"));
  }
  EXPECT_EQ(PinNetOf("U3-3"), nullptr);
  EXPECT_EQ(PinNetOf("U4-4"), nullptr);
  EXPECT_EQ(PinNetOf("U1-1"), kept.Net("A"));
  EXPECT_EQ(PinNetOf("U2-2"), kept.Net("A"));
}

TEST_F(SpecctraNetTest, UnknownValuesAndStatementsCostTheNetNothing) {
  struct TCase {
    const char* Statement;
    const char* Unexpected;
  };
  const TCase cases[] = {
      {"(type fixed)", "FIXED"},
      {"(supply vdd)", "VDD"},
      {"(type)", ")"},
      {"(colour red)", "COLOUR"},
      {"7", "7"},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Statement);
    ResetTranslationState();
    NetworkFromText design(std::string("(network (net A (pins U1-1)) (net N ") + c.Statement +
                           " (pins U1-1 U2-2)) (net C (pins U2-2)) (net D))");
    EXPECT_FALSE(design.HasLine("ERROR: Loading net: N"));
    EXPECT_EQ(design.NetNames(), (std::vector<std::string>{"A", "C", "D", "N"}));
    EXPECT_EQ(design.Net("N")->Type(), 0) << "an unknown type leaves the net's type unset";
    EXPECT_EQ(Listed(&design.Net("N")->Pins()), (std::vector<std::string>{"U1-1", "U2-2"}));
    EXPECT_EQ(PinNetOf("U1-1"), design.Net("A")) << "an earlier net keeps its pin";
    EXPECT_EQ(PinNetOf("U2-2"), design.Net("N")) << "the kept net holds its pin";
    EXPECT_TRUE(design.HasLine(std::string("ERROR: Unexpected token <") + c.Unexpected +
                               "> in line 1"));
  }
}

TEST_F(SpecctraNetTest, NetsWithoutANameAreDroppedAndTheBlocksStayInStep) {
  NetworkFromText design("(network (net) (net (pins U5-5) (pins U6-6)) (net A (pins U1-1))) (unit mm)");
  EXPECT_EQ(design.NetNames(), (std::vector<std::string>{"A"}));
  EXPECT_EQ(PinNetOf("U6-6"), nullptr);
  EXPECT_EQ(PinNetOf("U1-1"), design.Net("A"));
  EXPECT_TRUE(design.HasLine("ERROR: Unexpected token <)> in line 1"));
  EXPECT_EQ(design.Errors(), 4) << "two unexpected tokens, two nets not loaded";
}

TEST_F(SpecctraNetTest, ValuesAndPinRoles) {
  NetworkFromText design(
      "(network (net CLK (net_number 12) (type fix) (supply ground) (unassigned)"
      " (pins U1-1 U2-1 U3-1 U4-1) (source U1-1) (load u2-1) (terminator U3-1 U1-1)"
      " (expose U4-1) (noexpose U3-1))"
      " (net P (type normal) (supply power) (terminator U9-1)))");
  const TSpecctraNet& clk = *design.Net("CLK");
  EXPECT_EQ(clk.NetNumber(), 12);
  EXPECT_EQ(clk.Type(), eNetType_Fix);
  EXPECT_EQ(clk.Supply(), eSupply_Ground);
  EXPECT_TRUE(clk.Unassigned());
  EXPECT_EQ(Listed(clk.PinList(TNetPinList::Expose)), (std::vector<std::string>{"U4-1"}));
  EXPECT_EQ(Listed(clk.PinList(TNetPinList::NoExpose)), (std::vector<std::string>{"U3-1"}));
  const TSpecctraNet& p = *design.Net("P");
  EXPECT_EQ(p.Type(), eNetType_Normal);
  EXPECT_EQ(p.Supply(), eSupply_Power);
  EXPECT_FALSE(p.Unassigned());
  EXPECT_EQ(p.NetNumber(), 0);
  EXPECT_EQ(p.PinList(TNetPinList::Source), nullptr) << "lists exist only when given";

  struct TRole {
    const TSpecctraNet* Net;
    const char* Pin;
    int Role;
  };
  const TRole roles[] = {
      {&clk, "U1-1", 2},  // source wins over terminator
      {&clk, "U2-1", 0},  // load
      {&clk, "u3-1", 1},  // terminator in a net that has a source list
      {&clk, "U4-1", 0},  // no role
      {&p, "U9-1", 1},
  };
  for (const TRole& r : roles) {
    SCOPED_TRACE(r.Pin);
    EXPECT_EQ(PinRole(*r.Net, r.Pin), r.Role);
  }
  EXPECT_EQ(PinNetOf("U9-1"), nullptr) << "role lists claim no pins";
}

TEST_F(SpecctraNetTest, GroupStatementsLeaveTheNetsInStep) {
  NetworkFromText design(
      "(network (net A (pins U1-1) (fromto U1-1 U2-1 (rule (width 5))) (property (x 1)))"
      " (class C1 A (rule (width 8)))\n"
      " (group G1 (fromto U1-1 U2-1))\n (group_set S1 G1) (class_class (classes C1 C2))\n"
      " (pair (nets A B)) (bundle X (nets A B))\n (net B (pins U2-1)))");
  EXPECT_EQ(design.NetNames(), (std::vector<std::string>{"A", "B"}));
  EXPECT_EQ(design.Errors(), 0);
  // The property, the pair and the bundle.
  EXPECT_EQ(design.Warnings(), 3);
  EXPECT_TRUE(design.HasLine("WARNING: Skipped block between lines: 4-4, from keyword: PAIR"));
  EXPECT_EQ(PinNetOf("U2-1"), design.Net("B"));
}

TEST_F(SpecctraNetTest, ASecondNetworkBlockAddsItsNets) {
  NetworkFromText design("(network (net A)) (network (net B)) (unit mm)");
  EXPECT_EQ(design.NetNames(), (std::vector<std::string>{"A", "B"}));
  EXPECT_EQ(design.Errors(), 0) << "the statement after the second block is the design's";
}

TEST_F(SpecctraNetTest, DuplicateNamesAndEmptyNetsAreKept) {
  NetworkFromText design("(network (net N (pins U1-1)) (net EMPTY) (net n (pins U2-1)))");
  EXPECT_EQ(design.NetNames().size(), 3u);
  ASSERT_NE(design.Net("EMPTY"), nullptr);
  EXPECT_TRUE(design.Net("EMPTY")->Pins().Empty());
  EXPECT_NE(PinNetOf("U1-1"), PinNetOf("U2-1")) << "each definition owns the pins it listed";
  EXPECT_EQ(design.Errors(), 0);
}

TEST_F(SpecctraNetTest, PinMapEntriesLeaveWithTheirDesign) {
  {
    NetworkFromText design("(network (net A (pins U1-1)))");
    ASSERT_NE(PinNetOf("U1-1"), nullptr);
  }
  EXPECT_EQ(PinNetOf("U1-1"), nullptr) << "no entry points at a freed net";
  EXPECT_TRUE(TranslationState().PinNets.Empty());
}

TEST_F(SpecctraNetTest, FindNetAnswersFromAnyObjectOfADesignAndNilInARoutesFile) {
  NetworkFromText design("(network (net A (pins U1-1)) (net B))");
  TSpecctraNet* a = design.Net("A");
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(a->FindNet("b"), design.Net("B"));
  EXPECT_EQ(design.Network().FindNet("c"), nullptr);

  TSpecctraWriter writer("board.rte");
  TSpecctraRoutes routes(0, &writer, "board.rte");
  routes.ImportFromPcb();
  EXPECT_EQ(routes.FindNet("A"), nullptr);
  EXPECT_EQ(routes.NetworkSection()->FindNet("A"), nullptr);
}

TEST_F(SpecctraNetTest, QuotedPinReferencesOfARealDesignKeepTheirNets) {
  const std::string path = CORPUS_DIR "/Issue143-rpi_splitter_mod.dsn";
  if (!std::filesystem::exists(path)) GTEST_SKIP() << "no design corpus";
  TSpecctraParser parser(path);
  RegisterKeywords(parser);
  TSpecctraDesign design(0, &parser, path);
  ASSERT_TRUE(design.LoadFromFile());
  const std::pair<const char*, const char*> pins[] = {
      {"J3--D+", "D+"},           {"J3{-D-", "D-"},       {"J2(--)-GND", "N$5"},
      {"J1 + - ( )-GND", "N$5"}, {"J3 -+-_VBUS #22", "VBUS"}, {"J1-VBUS", "VCC"},
  };
  for (const auto& [pin, net] : pins) {
    SCOPED_TRACE(pin);
    ASSERT_NE(PinNetOf(pin), nullptr);
    EXPECT_EQ(PinNetOf(pin)->Name(), net);
  }
}

// Every prefix of a network: the design reads to its end, and every pin of the run's map
// belongs to a net that the network holds.
TEST_F(SpecctraNetTest, TruncatedNetworksLeaveNoPinWithoutItsNet) {
  const std::string text =
      "(pcb d (parser (string_quote \"))\n(network (net A (pins U1-1 \"J 1\"-\"x\\\"y\")"
      " (type fix)) (net BAD (pins U1-1 U2-2) (type what)) (pair (nets A B))"
      " (net C (order U2-2 \"P\"-1) (source U2-2) (supply ground) (rule (width 5)))))";
  for (std::size_t length = 0; length <= text.size(); ++length) {
    SCOPED_TRACE(text.substr(0, length));
    ResetTranslationState();
    NetworkFromText design(text.substr(0, length), false);
    std::set<const TSpecctraObject*> nets;
    if (design.HasNetwork())
      for (int32_t i = 0; i < design.Network().Nets().Count(); ++i)
        nets.insert(design.Network().Nets().ObjectAt(i));
    TranslationState().PinNets.ForEach([&](std::string_view pin, const TSpecctraObject* net) {
      EXPECT_EQ(nets.count(net), 1u) << pin;
    });
    if (HasFailure()) return;
  }
}
