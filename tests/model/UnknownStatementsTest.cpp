// Statements a design's objects do not know: each is reported and passed over whole, and the
// image, placement, net, class or structure that holds it keeps everything else.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "model/files/SpecctraDesign.h"
#include "model/library/SpecctraCompImage.h"
#include "model/library/SpecctraComponentInstance.h"
#include "model/network/DsnNetworkDescriptor.h"
#include "model/network/SpecctraNet.h"
#include "model/network/SpecctraNetClass.h"
#include "report/ReportManager.h"
#include "rtl/TranslationState.h"
#include "specctra_io/SpecctraParser.h"

namespace {

// One statement placed into one slot of a small design.
struct TSlots {
  std::string Structure, Image, Place, Net, Class;
};

std::string DesignText(const TSlots& s) {
  return "(pcb d (parser (string_quote \"))\n"
         "(structure (layer TOP (type signal)) " + s.Structure +
         " (boundary (rect pcb 0 0 1000 1000)) (keepout (rect TOP 10 10 20 20)))\n"
         "(library (image CONN " + s.Image + " (pin P1 1 0 0) (pin P1 2 100 0))\n"
         " (padstack P1 (shape (circle TOP 50))))\n"
         "(placement (component CONN (place J1 200 300 front 90 " + s.Place +
         ") (place J2 400 500 back 0)))\n"
         "(network (net GND " + s.Net + " (pins J1-1 J2-1)) (net VCC (pins J1-2 J2-2))\n"
         " (class C GND VCC " + s.Class + " (rule (width 7)))))\n";
}

struct TDesignFromText {
  explicit TDesignFromText(const std::string& text)
      : parser(std::make_unique<TInputFile>("demo.dsn", text)), design(0, &parser, "demo.dsn") {
    RegisterKeywords(parser);
    design.LoadFromFile();
  }
  bool HasLineStarting(const std::string& start) {
    const auto& lines = design.ReportManager().Lines();
    return std::any_of(lines.begin(), lines.end(),
                       [&](const std::string& line) { return line.rfind(start, 0) == 0; });
  }
  std::vector<std::string> NetPins(const char* name) {
    auto* net = static_cast<TSpecctraNet*>(design.FindNet(name));
    return net ? std::vector<std::string>(net->Pins().begin(), net->Pins().end())
               : std::vector<std::string>{};
  }
  TSpecctraNetClass* NetClass(const char* name) {
    auto* network = dynamic_cast<TSpecctraDsnNetworkDescriptor*>(design.NetworkSection());
    const TSpecctraList* classes = network ? network->NetClasses() : nullptr;
    return classes ? static_cast<TSpecctraNetClass*>(classes->FindByName(name)) : nullptr;
  }
  TSpecctraParser parser;
  TSpecctraDesign design;
};

class UnknownStatementsTest : public ::testing::Test {
protected:
  void SetUp() override { ResetTranslationState(); }
  void TearDown() override { ResetTranslationState(); }
};

}  // namespace

TEST_F(UnknownStatementsTest, AnUnknownStatementCostsOnlyItself) {
  struct TCase {
    TSlots Slots;
    const char* Unexpected;  // the token named by the report's one error line
  };
  const TCase cases[] = {
      {{}, nullptr},
      {{.Image = "(clearance_class boundary)"}, "CLEARANCE_CLASS"},
      {{.Image = "(outline_style (a (b c)) d)"}, "OUTLINE_STYLE"},
      {{.Place = "(pin 16 (clearance_class x))"}, "PIN"},
      {{.Net = "1"}, "1"},
      {{.Net = "(type protect)"}, "PROTECT"},
      {{.Net = "(colour (red))"}, "COLOUR"},
      {{.Class = "(clearance_class x)"}, "CLEARANCE_CLASS"},
      {{.Class = "(via_rule default)"}, "VIA_RULE"},
      {{.Structure = "(snap_angle fortyfive_degree)"}, "SNAP_ANGLE"},
      {{.Structure = "(autoroute_settings (fanout off) (vias on))"}, "AUTOROUTE_SETTINGS"},
  };
  for (const TCase& c : cases) {
    const std::string text = DesignText(c.Slots);
    SCOPED_TRACE(text);
    ResetTranslationState();
    TDesignFromText d(text);
    EXPECT_EQ(d.design.ReportManager().ErrorCount(), c.Unexpected ? 1 : 0);
    if (c.Unexpected) {
      EXPECT_TRUE(d.HasLineStarting(std::string("ERROR: Unexpected token <") + c.Unexpected +
                                    "> in line "));
    }

    auto* image = dynamic_cast<TSpecctraCompImage*>(d.design.FindImage("CONN"));
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->Pins().Count(), 2);
    auto* j1 = dynamic_cast<TSpecctraComponentInstance*>(d.design.FindComponent("J1"));
    ASSERT_NE(j1, nullptr);
    EXPECT_DOUBLE_EQ(j1->Position().Y, 300);
    EXPECT_DOUBLE_EQ(j1->Rotation(), 90);
    EXPECT_NE(d.design.FindComponent("J2"), nullptr) << "the next place entry is read";
    EXPECT_EQ(d.NetPins("GND"), (std::vector<std::string>{"J1-1", "J2-1"}));
    EXPECT_EQ(d.NetPins("VCC"), (std::vector<std::string>{"J1-2", "J2-2"}));
    TSpecctraNetClass* netClass = d.NetClass("C");
    ASSERT_NE(netClass, nullptr);
    EXPECT_EQ(netClass->MemberNames(), (std::vector<std::string>{"GND", "VCC"}));
    EXPECT_EQ(d.design.DsnStructure()->Keepouts().Count(), 1);
    EXPECT_EQ(TranslationState().BoardOffsetX, 20000000) << "the board keeps its offset";
  }
}

// The board offset follows the boundary: a failed keepout leaves it, a failed boundary has none
// to give.
TEST_F(UnknownStatementsTest, TheBoardOffsetDependsOnTheBoundaryAlone) {
  struct TCase {
    const char* Structure;
    int32_t OffsetX;
  };
  const TCase cases[] = {
      {"(boundary (rect pcb 0 0 1000 1000)) (keepout (rect TOP 1 2))", 20000000},
      {"(keepout (polygon TOP 0 x)) (boundary (rect pcb 0 0 1000 1000))", 20000000},
      {"(boundary (rect pcb 0 0 1000))", 0},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Structure);
    ResetTranslationState();
    TDesignFromText d(std::string("(pcb d (structure (layer TOP (type signal)) ") + c.Structure +
                      "))");
    EXPECT_GE(d.design.ReportManager().ErrorCount(), 1);
    EXPECT_EQ(TranslationState().BoardOffsetX, c.OffsetX);
  }
}
