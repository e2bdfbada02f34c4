// The wiring of a design built on a stand-in board, and the board's tracks and vias read back
// into the routed nets of a routes file.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <sstream>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "model/files/SpecctraDesign.h"
#include "model/files/SpecctraRoutes.h"
#include "model/library/SpecctraViaInstance.h"
#include "model/library/ViaPlaneContacts.h"
#include "model/wiring/SpecctraRoutedNet.h"
#include "model/wiring/ViaTagStorage.h"
#include "model/base/BoardHelpers.h"
#include "rtl/PcbIteration.h"
#include "rtl/PcbPrimitives.h"
#include "rtl/PcbVia.h"
#include "rtl/ServerRoundTripSupport.h"
#include "rtl/TranslationState.h"
#include "server/exports/KelvaneExports.h"
#include "specctra_io/SpecctraParser.h"
#include "specctra_io/SpecctraWriter.h"

namespace {

constexpr const char* kStructure =
    "(structure (layer TOP (type signal)) (layer PWR1 (type power) (use_net GND))"
    " (layer PWR2 (type power) (use_net VCC)) (layer PWR3 (type power) (use_net gnd))"
    " (layer BOT (type signal)) (boundary (rect pcb 2000 2000 90000 90000)) (via V20))";
constexpr const char* kNetwork =
    "(network (net GND (pins U1-1)) (net \"Sig(1)\" (pins U1-2)) (net VCC (pins U1-3)))";

// A via of the design that reads from a lexer of its own.
struct TLexedVia : TSpecctraViaInstance {
  using TSpecctraViaInstance::TSpecctraViaInstance;
  using TSpecctraObject::SetParser;
};

struct THostTrack {
  PcbHandle Handle;
  PcbLayerNumber Layer;
  std::string Net;
  bool Routed;
};

class WiringOnBoard : public TServerRoundTrip {
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

  TSpecctraDesign& Import(const std::string& wiring, const char* structure = kStructure) {
    const std::string text = std::string("(pcb d (parser (string_quote \")) (unit mil) ") +
                             "(library) " + structure + kNetwork + wiring + ")";
    FParser = std::make_unique<TSpecctraParser>(std::make_unique<TInputFile>("w.dsn", text));
    RegisterKeywords(*FParser);
    FDesign = std::make_unique<TSpecctraDesign>(Board, FParser.get(), "w.dsn");
    EXPECT_TRUE(FDesign->LoadFromFile());
    EXPECT_TRUE(FDesign->ExportToPcb());
    return *FDesign;
  }
  std::vector<std::string> ReportLines() const { return FDesign->ReportManager().Lines(); }

  // The tracks on copper layers (the board outline has its own).
  std::vector<THostTrack> HostTracks() const {
    std::vector<THostTrack> tracks;
    ForEachPcbObject(Board, kPcbObjectTrack, [&](PcbHandle handle) {
      TPcbTrack track(handle);
      track.Update(kPcbMessageRead);
      if (track.GetLayer() < kTopLayer || track.GetLayer() > kBottomLayer) return;
      tracks.push_back({handle, track.GetLayer(),
                        track.GetNet() ? HostNetName(track.GetNet()) : "",
                        track.GetRoutedState() != 0});
    });
    return tracks;
  }
  PcbHandle HostNet(const std::string& name) const {
    PcbHandle found = 0;
    ForEachPcbObject(Board, kPcbObjectNet, [&](PcbHandle handle) {
      if (HostNetName(handle) == name) found = handle;
    });
    return found;
  }
  PcbHandle AddHostVia(const std::string& net, int32_t x, int32_t y) {
    const PcbHandle handle = CreatePcbObject(kPcbObjectVia);
    TPcbVia via(handle);
    via.Update(kPcbMessageRead);
    via.SetX(x);
    via.SetY(y);
    via.SetStartLayer(kTopLayer);
    via.SetEndLayer(kBottomLayer);
    via.SetDiameter(400000);
    via.SetNet(HostNet(net));
    via.Update(kPcbMessageWrite);
    EXPECT_EQ(AddPcbObjectToContainer(Board, handle), kPcbOk);
    return handle;
  }
  std::string ExportRoutes() {
    FDesign.reset();
    ResetTranslationState();
    TranslationState().ImportingDesign = false;
    TranslationState().TranslationMode = 3;
    TSpecctraWriter writer("w.rte");
    TSpecctraRoutes routes(Board, &writer, "w.rte");
    EXPECT_TRUE(routes.ImportFromPcb());
    EXPECT_TRUE(routes.ExportToFile());
    FRoutesReport = routes.ReportManager().Lines();
    return writer.Buffer();
  }
  std::vector<std::string> FRoutesReport;

private:
  std::unique_ptr<TSpecctraParser> FParser;
  std::unique_ptr<TSpecctraDesign> FDesign;
};

std::size_t Occurrences(const std::string& text, const std::string& part) {
  std::size_t count = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
    ++count;
  return count;
}

std::vector<std::string> Words(const std::string& text) {
  std::istringstream stream(text);
  std::vector<std::string> words;
  for (std::string word; stream >> word;) words.push_back(word);
  return words;
}

}  // namespace

TEST_F(WiringOnBoard, WiresBecomeTracksOnTheirLayersAndNets) {
  Import(
      "(wiring (wire (path TOP 10 1000 1000 2000 1000 2000 2000) (net GND) (type protect))"
      " (wire (path BOT 8 2000 2000 3000 2000) (net \"Sig(1)\"))"
      " (wire (path TOP 8 0 0 10 10) (net NOSUCH)))");
  std::vector<THostTrack> tracks = HostTracks();
  ASSERT_EQ(tracks.size(), 4u) << ::testing::PrintToString(ReportLines());
  EXPECT_EQ(tracks[0].Layer, kTopLayer);
  EXPECT_EQ(tracks[0].Net, "GND");
  EXPECT_FALSE(tracks[0].Routed) << "protected";
  EXPECT_FALSE(tracks[1].Routed);
  EXPECT_EQ(tracks[2].Layer, kBottomLayer);
  EXPECT_EQ(tracks[2].Net, "Sig(1)");
  EXPECT_TRUE(tracks[2].Routed) << "no type: the router may move it";
  EXPECT_EQ(tracks[3].Net, "");
  const std::vector<std::string> lines = ReportLines();
  EXPECT_NE(std::find(lines.begin(), lines.end(),
                      "WARNING: Polyline Shape shape, starting at point (0, 0) has invalid net "
                      "reference: NOSUCH"),
            lines.end());

  // Back into a routes file: every track of a net once, a protected one as a route wire.
  const std::string text = ExportRoutes();
  EXPECT_EQ(Occurrences(text, "(wire (path "), 3u) << text;
  EXPECT_EQ(Occurrences(text, "(type route)"), 2u) << text;
  EXPECT_NE(text.find("(net 'Sig(1)'\r\n      (wire (path BOT 20320\r\n"
                      "            5080000 5080000 \r\n            7620000 5080000 \r\n"
                      "            )\r\n      )\r\n"), std::string::npos) << text;
}

// A stack of more signal layers than the host has copper layers for: the last middle layer,
// EXTRA, finds no host layer.
std::string StackWithOneLayerTooMany() {
  std::string structure = "(structure (layer TOP (type signal))";
  for (int i = 1; i <= 30; ++i) structure += " (layer M" + std::to_string(i) + " (type signal))";
  return structure +
         " (layer EXTRA (type signal)) (layer BOT (type signal))"
         " (boundary (rect pcb 2000 2000 90000 90000)))";
}

// Wires on a layer without a host layer: the layer is reported once, each wire is reported as
// dropped, and the wires after them still reach the board.
TEST_F(WiringOnBoard, AWireThatFailsDropsItselfOnly) {
  const std::string structure = StackWithOneLayerTooMany();
  Import("(wiring (wire (path EXTRA 8 0 0 10 10) (net GND))"
         " (wire (path BOT 8 2000 2000 3000 2000) (net GND))"
         " (wire (path EXTRA 8 0 0 20 20) (net GND))"
         " (wire (path TOP 8 2000 2000 3000 2000) (net GND)))",
         structure.c_str());
  const std::vector<THostTrack> tracks = HostTracks();
  ASSERT_EQ(tracks.size(), 2u) << ::testing::PrintToString(ReportLines());
  EXPECT_EQ(tracks[0].Layer, kBottomLayer);
  EXPECT_EQ(tracks[1].Layer, kTopLayer);
  const std::vector<std::string> lines = ReportLines();
  for (const auto& [line, times] : std::vector<std::pair<std::string, long>>{
           {"WARNING: Layer EXTRA has no host layer: its wires are not created.", 1},
           {"WARNING: Dropped wire 1: it could not be created on the board.", 1},
           {"WARNING: Dropped wire 3: it could not be created on the board.", 1}})
    EXPECT_EQ(std::count(lines.begin(), lines.end(), line), times)
        << line << "\n" << ::testing::PrintToString(lines);
}

// Statements a wire or a via does not know (written by other tools) are reported and passed
// over; the wire and the via keep their net and everything after them.
TEST_F(WiringOnBoard, UnknownStatementsCostAWireOrAViaNothing) {
  Import("(wiring (wire (path TOP 8 0 0 10 10) (net GND 1) (clearance_class c) (shove_fixed)"
         " (type protect))"
         " (via V20 1000 1000 (net GND 1) (clearance_class c) (via_number 5)))");
  const std::vector<THostTrack> tracks = HostTracks();
  ASSERT_EQ(tracks.size(), 1u) << ::testing::PrintToString(ReportLines());
  EXPECT_EQ(tracks[0].Net, "GND");
  EXPECT_FALSE(tracks[0].Routed) << "the type after the unknown statements is read";
  std::vector<std::string> errors;
  const TTaggedVias stored = LoadStoredViaTags(Board, errors);
  ASSERT_EQ(stored.Count(), 1) << ::testing::PrintToString(ReportLines());
  EXPECT_EQ(stored.Item(0).Number, 5);
  const std::vector<std::string> lines = ReportLines();
  EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                          [](const std::string& line) {
                            return line.starts_with("ERROR: Unexpected token <CLEARANCE_CLASS>");
                          }),
            2);
}

TEST_F(WiringOnBoard, ATrackIsWrittenByOneRoutedNetOnly) {
  Import("(wiring (wire (path TOP 10 1000 1000 2000 1000) (net GND)))");
  TranslationState().WrittenObjects.Clear();
  const PcbHandle gnd = HostNet("GND");
  TSpecctraRoutedNet first(nullptr, gnd), second(nullptr, gnd);
  ASSERT_TRUE(first.ImportFromPcb());
  ASSERT_TRUE(second.ImportFromPcb());
  EXPECT_EQ(first.WireCount(), 1);
  EXPECT_EQ(second.WireCount(), 0);
}

TEST_F(WiringOnBoard, ViaNumbersComeBackAtTheSameHostPositionOnly) {
  Import(
      "(wiring (via V20 1000 1000 (net GND) (via_number 5)) (via V20 1500 1500 (net GND) "
      "(via_number 127)))");
  std::vector<std::string> errors;
  const TTaggedVias stored = LoadStoredViaTags(Board, errors);
  ASSERT_EQ(stored.Count(), 1) << "127 is never stored";
  const TViaTagInfo tag = stored.Item(0);
  EXPECT_EQ(tag.Number, 5);

  const int32_t x = static_cast<int32_t>(tag.X), y = static_cast<int32_t>(tag.Y);
  AddHostVia("GND", x, y);
  AddHostVia("GND", x + 1, y);
  const std::string text = ExportRoutes();
  // No library padstack fits the host via; a numbered via then says so.
  EXPECT_EQ(Occurrences(text, "(via INVALID_PADSTACK_REF "), 1u) << text;
  EXPECT_EQ(Occurrences(text, "(via_number 5)"), 1u) << text;
  EXPECT_EQ(Occurrences(text, "(via_number"), 1u) << "moved by one unit: no number";
  EXPECT_EQ(std::count_if(FRoutesReport.begin(), FRoutesReport.end(),
                          [](const std::string& line) {
                            return line.starts_with("ERROR: Invalid padstack reference for via");
                          }),
            1);
}

TEST_F(WiringOnBoard, HostViasListThePlanesOfTheirNet) {
  Import("");
  AddHostVia("GND", 10000000, 10000000);
  AddHostVia("VCC", 20000000, 10000000);
  AddHostVia("Sig(1)", 30000000, 10000000);
  TViaPlaneContacts planes(Board);
  EXPECT_EQ(planes.ContactsOf("GND"), " PWR1 PWR3") << "plane nets compared ignoring case";
  EXPECT_EQ(planes.ContactsOf("vcc"), " PWR2");
  const std::string text = ExportRoutes();
  EXPECT_EQ(Occurrences(text, "(contact  PWR1 PWR3))"), 1u) << text;
  EXPECT_EQ(Occurrences(text, "(contact  PWR2))"), 1u) << text;
  EXPECT_EQ(Occurrences(text, "(contact"), 2u) << text;
}

TEST_F(WiringOnBoard, AViaBecomesAHostViaWithItsPadstacksGeometry) {
  TSpecctraDesign& design = Import("");
  struct TCase {
    const char* Via;
    bool Spare;
    bool Geometry;
    bool Made;
    const char* Warning;
  };
  const TCase cases[] = {
      {"(via V 100 100 (net GND) (type fix))", false, true, true, nullptr},
      {"(via V 200 100 (net VCC))", false, true, true, nullptr},
      {"(via V 300 100 (net GND))", true, true, false,
       "WARNING: Invalid padstack reference V in via at position (3000000, 1000000), skipped via "
       "translation."},
      {"(via V 400 100 (net GND) (via_number 3))", true, true, true, nullptr},
      {"(via V 500 100 (net NOSUCH))", false, false, true,
       "WARNING: Invalid net reference NOSUCH in via at position (5000000, 1000000), via will be "
       "translated with no net assigned."},
      {"(via V 600 100)", false, true, true,
       "WARNING: Orphan via - no net assigned at position (6000000, 1000000)"},
  };
  for (const TCase& test : cases) {
    SCOPED_TRACE(test.Via);
    const std::size_t before = design.ReportManager().Lines().size();
    std::size_t viasBefore = 0;
    ForEachPcbObject(Board, kPcbObjectVia, [&](PcbHandle) { ++viasBefore; });

    TSpecctraParser parser(std::make_unique<TInputFile>("v.dsn", test.Via));
    RegisterKeywords(parser);
    TLexedVia via(&design);
    // The via reads from its own lexer, as if it stood in the design's wiring.
    via.SetParser(&parser);
    parser.NextToken();
    parser.NextToken();
    ASSERT_TRUE(via.LoadFromFile());
    TViaPadstackFacts padstack{"V", true, test.Spare, test.Geometry, kTopLayer, kBottomLayer,
                               360000};
    via.ExportWithPadstack(padstack);

    std::vector<PcbHandle> vias;
    ForEachPcbObject(Board, kPcbObjectVia, [&](PcbHandle handle) { vias.push_back(handle); });
    ASSERT_EQ(vias.size(), viasBefore + (test.Made ? 1 : 0));
    const std::vector<std::string>& lines = design.ReportManager().Lines();
    const std::vector<std::string> added(lines.begin() + before, lines.end());
    if (test.Warning)
      EXPECT_EQ(added, std::vector<std::string>{test.Warning});
    else
      EXPECT_TRUE(added.empty());
    if (!test.Made) continue;
    TPcbVia made(vias.back());
    made.Update(kPcbMessageRead);
    EXPECT_EQ(made.GetHoleSize(), 50000);
    EXPECT_EQ(made.GetDiameter(), test.Geometry ? 360000 : TPcbVia().GetDiameter());
    if (test.Geometry) {
      EXPECT_EQ(made.GetStartLayer(), kTopLayer);
      EXPECT_EQ(made.GetEndLayer(), kBottomLayer);
    }
    EXPECT_EQ(made.GetRoutedState() != 0, via.Type() != wtFixed);
    const std::string expectedNet = via.NetName() == "NOSUCH" ? "" : via.NetName();
    EXPECT_EQ(made.GetNet() ? HostNetName(made.GetNet()) : "", expectedNet);
  }
}

// Planes and keepouts reach the board as solids traced by width-0 tracks; the routes file
// holds the copper only: the path wire and the wire's polygon with its outline, no hairline
// and no plane solid.
TEST_F(WiringOnBoard, CopperPolygonsComeBackAndPlaneOutlinesStayOut) {
  const std::string structure =
      "(structure (layer TOP (type signal)) (layer PWR1 (type power) (use_net GND))"
      " (layer BOT (type signal)) (boundary (rect pcb 2000 2000 90000 90000)) (via V20)"
      " (plane GND (polygon TOP 0 3000 3000 9000 3000 9000 9000 3000 9000))"
      " (plane \"Sig(1)\" (rect BOT 50000 50000 60000 60000))"
      " (plane GND (polygon PWR1 0 3000 3000 9000 3000 9000 9000))"
      " (keepout (path TOP 0 10000 10000 20000 10000 20000 20000)))";
  Import("(wiring (wire (polygon BOT 0 30000 30000 40000 30000 40000 40000) (net \"Sig(1)\"))"
         " (wire (path TOP 10 1000 1000 2000 1000) (net GND)))",
         structure.c_str());
  std::size_t hairlines = 0;
  ForEachPcbObject(Board, kPcbObjectTrack, [&](PcbHandle handle) {
    TPcbTrack track(handle);
    track.Update(kPcbMessageRead);
    if (track.GetWidth() == 0 && track.GetLayer() != kNoLayer) ++hairlines;
  });
  ASSERT_GE(hairlines, 4u + 4u + 2u) << "the fixture traces its planes and keepout";

  const std::string text = ExportRoutes();
  EXPECT_EQ(Occurrences(text, "(wire (path "), 1u) << text;
  EXPECT_EQ(Occurrences(text, "(path TOP 0"), 0u) << text;
  EXPECT_EQ(Occurrences(text, "(polygon "), 1u) << text;
  // 1 mil is 2540 units; the ring comes back closed.
  const std::size_t polygon = text.find("(polygon BOT 0");
  ASSERT_NE(polygon, std::string::npos) << text;
  std::string numbers;
  for (std::size_t at = polygon + 14; at < text.size() && text[at] != ')'; ++at)
    if (std::isdigit(static_cast<unsigned char>(text[at])) || text[at] == ' ' ||
        text[at] == '-')
      numbers += text[at];
  EXPECT_EQ(Words(numbers), (std::vector<std::string>{"76200000", "76200000", "101600000",
                                                       "76200000", "101600000", "101600000",
                                                       "76200000", "76200000"}));
  // Inside its net's block, which names the net for every wire in it.
  const std::size_t net = text.rfind("(net ", polygon);
  ASSERT_NE(net, std::string::npos) << text;
  EXPECT_EQ(text.compare(net, 14, "(net 'Sig(1)'\r"), 0) << text;
}

// A wire's polygon on a plane layer becomes a split plane of its net on the host's internal
// plane; the exports write it back as a polygon wire of its net. The structure's own planes on
// that layer (solids traced by width-0 tracks) stay out of the wiring.
TEST_F(WiringOnBoard, PolygonWiresOnPlaneLayersComeBackAndStructurePlanesStayOut) {
  const std::string structure =
      "(structure (layer TOP (type signal)) (layer PWR1 (type power) (use_net GND))"
      " (layer PWR2 (type power) (use_net VCC)) (layer BOT (type signal))"
      " (boundary (rect pcb 2000 2000 90000 90000)) (via V20)"
      " (plane GND (polygon PWR1 0 3000 3000 9000 3000 9000 9000 3000 9000))"
      " (plane VCC (polygon PWR2 0 3000 3000 9000 3000 9000 9000)))";
  Import("(wiring (wire (polygon PWR1 0 30000 30000 40000 30000 40000 40000) (net GND))"
         " (wire (polygon PWR2 0 50000 50000 60000 50000 60000 60000 50000 60000) (net VCC))"
         " (wire (polygon TOP 0 10000 10000 20000 10000 20000 20000) (net GND)))",
         structure.c_str());
  std::size_t splitPlanes = 0;
  ForEachPcbObject(Board, kPcbObjectSplitPlane, [&](PcbHandle) { ++splitPlanes; });
  ASSERT_EQ(splitPlanes, 6u)
      << "each plane layer's own, two planes of the structure, two polygon wires";

  const std::string text = ExportRoutes();
  EXPECT_EQ(Occurrences(text, "(polygon "), 3u) << text;
  EXPECT_EQ(Occurrences(text, "(polygon PWR1 0"), 1u) << text;
  EXPECT_EQ(Occurrences(text, "(polygon PWR2 0"), 1u) << text;
  EXPECT_EQ(Occurrences(text, "(polygon TOP 0"), 1u) << text;
  EXPECT_EQ(Occurrences(text, "(wire (path "), 0u) << "no outline of a plane comes back" << text;
  // The wire's ring, not the plane's, in the block of the wire's net: 1 mil is 2540 units.
  const std::size_t pwr1 = text.find("(polygon PWR1 0");
  ASSERT_NE(pwr1, std::string::npos) << text;
  std::string numbers;
  for (std::size_t at = pwr1 + 15; at < text.size() && text[at] != ')'; ++at)
    if (std::isdigit(static_cast<unsigned char>(text[at])) || text[at] == ' ') numbers += text[at];
  EXPECT_EQ(Words(numbers), (std::vector<std::string>{"76200000", "76200000", "101600000",
                                                       "76200000", "101600000", "101600000",
                                                       "76200000", "76200000"}));
  const std::size_t net = text.rfind("(net ", pwr1);
  ASSERT_NE(net, std::string::npos) << text;
  EXPECT_EQ(text.compare(net, 9, "(net GND\r"), 0) << text;
  const std::size_t pwr2 = text.find("(polygon PWR2 0");
  ASSERT_NE(pwr2, std::string::npos) << text;
  EXPECT_EQ(text.compare(text.rfind("(net ", pwr2), 9, "(net VCC\r"), 0) << text;
  EXPECT_TRUE(FRoutesReport.empty()) << ::testing::PrintToString(FRoutesReport);
}

namespace {

// The progress bar's calls, as the host's bar receives them.
class TRecordedProgress final : public standin::IProgressSink {
public:
  struct TTask {
    std::string Caption;
    int32_t Total = 0;
    int64_t Done = 0;
    bool Finished = false;
  };
  void Start(std::string_view caption, int32_t total) override {
    Tasks.push_back({std::string(caption), total});
  }
  void Advance(int32_t steps) override {
    if (!Tasks.empty() && !Tasks.back().Finished) Tasks.back().Done += steps;
    else StraySteps += steps;
  }
  void Finish() override {
    if (!Tasks.empty()) Tasks.back().Finished = true;
  }
  std::vector<TTask> Tasks;
  int64_t StraySteps = 0;
};

}  // namespace

// An export shows its progress through the host's bar as an import does: one task reading the
// board net by net, one writing the file wire by wire and via by via, each run to its total
// and finished.
TEST_F(WiringOnBoard, TheExportsProgressRunsNetByNetAndObjectByObject) {
  Import("(wiring (wire (path TOP 10 1000 1000 2000 1000 2000 2000) (net GND))"
         " (wire (path BOT 8 2000 2000 3000 2000) (net \"Sig(1)\")))");
  AddHostVia("GND", 2540000, 2540000);
  AddHostVia("VCC", 5080000, 5080000);
  TRecordedProgress progress;
  Kelvane_SetProgressSink(&progress);
  const std::string text = ExportRoutes();
  Kelvane_SetProgressSink(nullptr);

  ASSERT_EQ(progress.Tasks.size(), 2u);
  const TRecordedProgress::TTask& reading = progress.Tasks[0];
  EXPECT_EQ(reading.Caption, "Reading the board's routing");
  EXPECT_EQ(reading.Total, 3) << "the design's three nets";
  const TRecordedProgress::TTask& writing = progress.Tasks[1];
  EXPECT_EQ(writing.Caption, "Writing w.rte");
  EXPECT_EQ(static_cast<std::size_t>(writing.Total),
            Occurrences(text, "(wire ") + Occurrences(text, "(via "))
      << text;
  EXPECT_EQ(writing.Total, 3 + 2) << text;
  for (const TRecordedProgress::TTask& task : progress.Tasks) {
    SCOPED_TRACE(task.Caption);
    EXPECT_EQ(task.Done, task.Total);
    EXPECT_TRUE(task.Finished);
  }
  EXPECT_EQ(progress.StraySteps, 0);
}
