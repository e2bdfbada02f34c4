// The library sections against a running PCB server: padstacks stored in the board by a
// design import and written back by a routes export, the drill pairs, stored records that
// do not load, and a second import into the same board.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "model/base/EmbeddedStorage.h"
#include "model/base/SpecctraText.h"
#include "model/files/SpecctraDesign.h"
#include "model/files/SpecctraRoutes.h"
#include "model/library/RteLibraryDescriptor.h"
#include "rtl/PcbBoard.h"
#include "rtl/PcbEmbedded.h"
#include "rtl/PcbIteration.h"
#include "rtl/PcbPad.h"
#include "rtl/ServerRoundTripSupport.h"
#include "rtl/TranslationState.h"
#include "specctra_io/SpecctraParser.h"
#include "specctra_io/SpecctraWriter.h"

namespace {

// Three copper layers; the boundary lies inside the host workspace, so there is no offset.
const std::string kStructure =
    "(structure (layer TOP (type signal)) (layer IN1 (type signal)) (layer BOT (type signal))"
    " (boundary (rect pcb 3000 3000 5000 5000)))";

struct TEmbedded {
  std::string Name;
  std::string Data;
};

class LibraryOnBoard : public TServerRoundTrip {
protected:
  void SetUp() override {
    TServerRoundTrip::SetUp();
    ResetTranslationState();
  }
  void TearDown() override {
    FDesigns.clear();
    FParsers.clear();
    ResetTranslationState();
    TServerRoundTrip::TearDown();
  }

  // Reads the design text and writes it to the board, as a design import does.
  TSpecctraDesign& Import(const std::string& body) {
    ResetTranslationState();
    FParsers.push_back(std::make_unique<TSpecctraParser>(
        std::make_unique<TInputFile>("lib.dsn", "(pcb d (unit mil) " + body + ")")));
    RegisterKeywords(*FParsers.back());
    FDesigns.push_back(std::make_unique<TSpecctraDesign>(Board, FParsers.back().get(), "lib.dsn"));
    TSpecctraDesign& design = *FDesigns.back();
    EXPECT_TRUE(design.LoadFromFile());
    EXPECT_TRUE(design.ExportToPcb());
    return design;
  }

  // A routes export of the board: the written text and the report's lines.
  std::string ExportRoutes(std::vector<std::string>* lines = nullptr) {
    ResetTranslationState();
    TranslationState().ImportingDesign = false;
    TranslationState().TranslationMode = 3;
    TSpecctraWriter writer("board.rte");
    TSpecctraRoutes routes(Board, &writer, "board.rte");
    routes.ImportFromPcb();
    routes.ExportToFile();
    if (lines) *lines = routes.ReportManager().Lines();
    return writer.Buffer();
  }

  std::vector<TEmbedded> EmbeddedObjects() const {
    std::vector<TEmbedded> objects;
    ForEachPcbObject(Board, kPcbObjectEmbedded, [&](PcbHandle handle) {
      TPcbEmbedded embedded(handle);
      embedded.Update(kPcbMessageRead);
      objects.push_back({embedded.GetName(), embedded.GetData()});
    });
    return objects;
  }
  // Embedded objects by their Type, letter case as stored.
  std::map<std::string, int> CountByType() const {
    std::map<std::string, int> count;
    for (const TEmbedded& object : EmbeddedObjects())
      ++count[GetShortParameter(object.Name, "Type")];
    return count;
  }

  static bool Has(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
  }

private:
  std::vector<std::unique_ptr<TSpecctraParser>> FParsers;
  std::vector<std::unique_ptr<TSpecctraDesign>> FDesigns;
};

// The library_out block of a routes text.
std::string LibraryOut(const std::string& routes) {
  const std::size_t start = routes.find("  (library_out");
  const std::size_t end = routes.find("  (network_out");
  return start == std::string::npos || end == std::string::npos ? ""
                                                                 : routes.substr(start, end - start);
}

}  // namespace

TEST_F(LibraryOnBoard, StoredPadstacksAreWrittenBackByTheRoutesExport) {
  Import(kStructure + "(structure (via 'via(1)'))"
         "(library (padstack 'via(1)' (shape (circle signal 20)))"
         " (padstack SMD (shape (rect TOP -10 -5 10 5) (window (circle TOP 4 1 0)))"
         " (shape (path BOT 6 0 0 20 0 (aperture_type square)))))");
  std::map<std::string, std::string> stored;
  for (const TEmbedded& object : EmbeddedObjects()) stored[object.Name] = object.Data;
  EXPECT_EQ(stored.at("Server=Navro|Type=PADSTACK|ID=via(1)|IDX=0|PC=1|IsVia=1"),
            "0PT=C|0PVC=1|0PD=30D40");
  EXPECT_EQ(stored.at("Server=Navro|Type=PADSTACK|ID=SMD|IDX=1|PC=2"),
            "0PT=R|0PL=TOP|0PVC=2|0PX0=FFFE7960|0PY0=FFFF3CB0|0PX1=186A0|0PY1=C350|0PWC=1|"
            "0W0T=C|0W0L=TOP|0W0VC=1|0W0X0=2710|0W0D=9C40|"
            "1PT=P|1PL=BOT|1PAS=EA60|1PVC=2|1PX1=30D40");
  EXPECT_EQ(stored.at("Server=Navro|Type=PadstackList"), "PDC=2");

  std::vector<std::string> lines;
  const std::string routes = ExportRoutes(&lines);
  // Windows are stored but not loaded back.
  EXPECT_EQ(LibraryOut(routes),
            "  (library_out \r\n"
            "    (padstack 'via(1)'\r\n"
            "        (shape         \r\n"
            "          (circle SIGNAL 50800 0 0)\r\n"
            "        )\r\n"
            "    )\r\n"
            "    (padstack SMD\r\n"
            "        (shape         \r\n"
            "(rect TOP -25400 -12700 25400 12700)\r\n"
            "        )\r\n"
            "        (shape (path BOT 15240\r\n"
            "        0 0 \r\n"
            "        50800 0 \r\n"
            "        (aperture_type square)\r\n"
            "        )\r\n"
            "        )\r\n"
            "    )\r\n"
            "  )\r\n");
  EXPECT_TRUE(std::none_of(lines.begin(), lines.end(),
                           [](const std::string& line) { return line.starts_with("ERROR"); }))
      << (lines.empty() ? "" : lines.back());
}

TEST_F(LibraryOnBoard, DrillPairsJoinTheOuterPadLayersOfEachSpan) {
  TSpecctraDesign& design = Import(
      kStructure +
      "(library (padstack THRU1 (shape (circle signal 20))) (padstack THRU2 (shape (circle TOP "
      "20)) (shape (circle BOT 20))) (padstack BLIND (shape (circle TOP 10)) (shape (circle IN1 "
      "10))) (padstack SMD (shape (rect TOP 0 0 10 10))) (padstack NOPADS (shape (circle pcb "
      "5))))");
  TPcbBoard board(Board);
  board.Update(kPcbMessageRead);
  // The host keeps a pair's layers; its name is made from them when the board is read.
  std::vector<std::pair<int, int>> pairs;
  for (const TPcblayerPair& pair : board.LayerPairs())
    pairs.emplace_back(pair.GetStartLayer(), pair.GetEndLayer());
  EXPECT_EQ(pairs, (std::vector<std::pair<int, int>>{{1, 32}, {1, 2}}))
      << "THRU2 spans what THRU1 spans; SMD sits on one layer";
  const auto& lines = design.ReportManager().Lines();
  EXPECT_TRUE(Has(lines, "ERROR: Invalid padstack definition <NOPADS>, no valid pads inside"));
}

TEST_F(LibraryOnBoard, APadstackTooLargeForTheBoardsTextIsRefusedWhole) {
  for (int vertices : {300, 1000}) {
    SCOPED_TRACE(vertices);
    std::string polygon = "(polygon TOP 0";
    for (int i = 1; i <= vertices; ++i) polygon += " " + std::to_string(i) + " " + std::to_string(i);
    TSpecctraDesign& design = Import(kStructure + "(library (padstack BIG (shape " + polygon +
                                     "))) (padstack SMALL (shape (circle TOP 10))))");
    const std::map<std::string, int> types = CountByType();
    EXPECT_EQ(types.at("PADSTACK"), 1) << "only SMALL";
    const auto& lines = design.ReportManager().Lines();
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [](const std::string& line) {
      return line.starts_with("ERROR: Padstack BIG is too large to be stored in the board");
    }));
    std::vector<std::string> exportLines;
    EXPECT_EQ(LibraryOut(ExportRoutes(&exportLines)).find("BIG"), std::string::npos);
    EXPECT_EQ(std::count_if(exportLines.begin(), exportLines.end(),
                            [](const std::string& line) { return line.starts_with("ERROR"); }),
              0)
        << "the stored list counts what was stored";
  }
}

TEST_F(LibraryOnBoard, StoredRecordsThatDoNotLoadAreReported) {
  Import(kStructure);
  DeleteTranslatorData(Board);
  const auto store = [&](const std::string& name, const std::string& data) {
    ASSERT_TRUE(AddEmbeddedObject(Board, "Server=Navro|Type=" + name, data));
  };
  store("PadstackList", "PDC=3");
  store("PADSTACK|ID=NOPADS|IDX=0|PC=0", "");
  store("PADSTACK|ID=ODD|IDX=1|PC=2", "0PT=X|1PT=c|1PVC=1|1PD=2710|1SC=f");
  store("PADSTACK|ID=BEYOND|IDX=3|PC=1", "0PT=C|0PVC=1|0PD=2710");
  store("PADSTACK|ID=BADSHAPE|IDX=2|PC=1", "0PT=R|0PVC=2|0PX1=10");

  TSpecctraWriter writer("board.rte");
  ResetTranslationState();
  TranslationState().ImportingDesign = false;
  TranslationState().TranslationMode = 3;
  TSpecctraRoutes routes(Board, &writer, "board.rte");
  routes.ImportFromPcb();
  const auto& lines = routes.ReportManager().Lines();
  EXPECT_TRUE(Has(lines, "ERROR: ERROR: No pads definied inside padstack: NOPADS"));
  EXPECT_TRUE(Has(lines, "ERROR: Unknown stored shape kind: X"));
  EXPECT_TRUE(Has(lines, "ERROR: Padstack index out of range: (3) (Server=Navro|Type=PADSTACK|"
                         "ID=BEYOND|IDX=3|PC=1)."));
  EXPECT_TRUE(Has(lines, "ERROR: Stored pad shape contains errors."));
  EXPECT_TRUE(Has(lines, "ERROR: ERROR: Cannot load pad for padstack BADSHAPE"));
  EXPECT_FALSE(Has(lines, "ERROR: Cannot load all stored padstacks (S: 3) (L: 3)."))
      << "failed loads count as loads";

  auto* library = static_cast<TSpecctraRteLibraryDescriptor*>(routes.LibrarySection());
  ASSERT_EQ(library->PadstackCount(), 1);
  TSpecctraPadstack& odd = *library->PadstackAt(0);
  EXPECT_EQ(odd.Name(), "ODD");
  ASSERT_EQ(odd.PadCount(), 2);
  EXPECT_EQ(odd.Pad(0)->PrimaryShape(), nullptr) << "an unknown kind loads without a shape";
  ASSERT_NE(odd.Pad(1)->PrimaryShape(), nullptr);
  EXPECT_EQ(odd.Pad(1)->PrimaryShape()->Kind(), eCircle_Shape);
  EXPECT_FALSE(odd.Pad(1)->Connect());
  EXPECT_TRUE(odd.Pad(0)->Connect());
}

TEST_F(LibraryOnBoard, AStoredListWithoutCountIsRemovedWithTheOtherTranslatorData) {
  Import(kStructure + "(parser (constant A 1)) (library (padstack P (shape (circle TOP 1))))");
  DeleteTranslatorData(Board);
  ASSERT_TRUE(AddEmbeddedObject(Board, "Server=Navro|Type=PadstackList", "PDC=many"));
  ASSERT_TRUE(AddEmbeddedObject(Board, "Server=Navro|Type=CONSTANTS|CONSTCOUNT=0", ""));
  std::vector<std::string> lines;
  EXPECT_EQ(LibraryOut(ExportRoutes(&lines)), "  (library_out \r\n  )\r\n");
  EXPECT_TRUE(Has(lines, "ERROR: ERROR: Cannot read info on number of stored padstack defs."));
  EXPECT_TRUE(EmbeddedObjects().empty());
}

// A second import into the same board replaces the first one's translator data before it
// stores its own: one record of each kind, and the export converts with this import's offset.
TEST_F(LibraryOnBoard, ASecondImportKeepsItsOwnConstantsAndOffset) {
  const std::string body =
      "(parser (constant REV 3)) (structure (layer TOP (type signal)) (layer BOT (type signal)))"
      "(library (padstack P (shape (rect TOP 0 0 10 10))))";
  Import(body);
  const std::string first = ExportRoutes();
  TSpecctraDesign& second = Import(body);
  EXPECT_TRUE(Has(second.ReportManager().Lines(),
                  "WARNING: Board  already contains padstack definitions which will be deleted."));
  EXPECT_EQ(CountByType(), (std::map<std::string, int>{
                               {"BoardOffset", 1}, {"CONSTANTS", 1}, {"PADSTACK", 1},
                               {"PadstackList", 1}}));
  EXPECT_EQ(ExportRoutes(), first);
  EXPECT_NE(first.find("(constant REV 3)"), std::string::npos);
  EXPECT_NE(first.find("(rect TOP 0 0 25400 25400)"), std::string::npos) << first;
}

// Pads on layers of the stack that find no host layer (middle layers beyond the host's): nothing
// is created there, and that is said once for each layer, of pins' and vias' pads alike; the
// pads of the same padstacks on mapped layers, and the parts themselves, still reach the board.
TEST_F(LibraryOnBoard, PadsOnALayerWithoutHostLayerAreReportedOnce) {
  std::string structure = "(structure (layer TOP (type signal))";
  for (int i = 1; i <= 30; ++i) structure += " (layer M" + std::to_string(i) + " (type signal))";
  structure += " (layer EXTRA (type signal)) (layer EXTRA2 (type signal))"
               " (layer BOT (type signal)) (boundary (rect pcb 3000 3000 5000 5000)) (via VB))";
  TSpecctraDesign& design = Import(
      structure +
      "(library (image PART (pin THRU 1 0 0) (pin INNER 2 100 0) (pin SMD 3 200 0))"
      " (padstack THRU (shape (circle TOP 20)) (shape (circle EXTRA 30))"
      " (shape (circle BOT 20)))"
      " (padstack INNER (shape (circle EXTRA 20)))"
      " (padstack SMD (shape (rect TOP -10 -5 10 5)))"
      " (padstack VB (shape (circle TOP 20)) (shape (circle EXTRA2 20))))"
      "(placement (component PART (place U1 4000 4000 front 0) (place U2 4500 4000 front 0)))"
      "(network (net GND (pins U1-1 U2-1)))"
      "(wiring (via VB 3500 3500 (net GND)) (via VB 3600 3600 (net GND)))");
  const std::vector<std::string>& lines = design.ReportManager().Lines();
  for (const char* layer : {"EXTRA", "EXTRA2"})
    EXPECT_EQ(std::count(lines.begin(), lines.end(),
                         "WARNING: Layer " + std::string(layer) +
                             " has no host layer: its pads are not created."),
              1)
        << layer << "\n" << ::testing::PrintToString(lines);

  std::map<std::string, int> padsByName;
  std::map<std::string, std::vector<int32_t>> thruSizes;
  ForEachPcbObject(Board, kPcbObjectComponent, [&](PcbHandle component) {
    ForEachPcbObject(component, kPcbObjectPad, [&](PcbHandle handle) {
      TPcbPad pad(handle);
      pad.Update(kPcbMessageRead);
      ++padsByName[pad.GetName()];
      if (pad.GetName() == "1")
        thruSizes["1"] = {pad.XSizeOnLayer(kTopLayer), pad.XSizeOnLayer(kBottomLayer)};
    });
  });
  EXPECT_EQ(padsByName, (std::map<std::string, int>{{"1", 2}, {"2", 2}, {"3", 2}}))
      << "every pin keeps its pad, the one whose only copper is on EXTRA too";
  EXPECT_EQ(thruSizes["1"], (std::vector<int32_t>{20 * 10000, 20 * 10000}));
}
