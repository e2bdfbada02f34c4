// Every routed design of the corpus through an import and a session export, as a router would
// read them back: each placed component's place line, each wire segment, polygon wire and via
// of the design comes back in the session, in the session's units within one of them, and
// nothing else does. Design and session are read by the tests' own reader.
#include <gtest/gtest.h>

#include <filesystem>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "support/CopperComparison.h"
#include "support/CorpusFolder.h"
#include "support/Pcbhost.h"
#include "support/RoutedCopper.h"

namespace {

// Whether a design's wiring section holds a wire or a via.
bool IsRouted(const std::filesystem::path& design) {
  const std::string text = TTempFolder::Read(design.string());
  const std::size_t wiring = text.find("(wiring");
  return wiring != std::string::npos && (text.find("(wire", wiring + 7) != std::string::npos ||
                                         text.find("(via", wiring) != std::string::npos);
}

std::vector<std::filesystem::path> RoutedCorpusDesigns() {
  std::vector<std::filesystem::path> routed;
  for (const std::filesystem::path& design : CorpusDesigns())
    if (IsRouted(design)) routed.push_back(design);
  return routed;
}

std::size_t Occurrences(const std::string& text, const std::string& part) {
  std::size_t count = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
    ++count;
  return count;
}

// The count of items and the count per kind.
std::string Counted(const std::vector<TCopperItem>& items) {
  std::map<std::string, int> counts;
  for (const TCopperItem& item : items) {
    const std::string line = Describe(item);
    ++counts[line.substr(0, line.find(' '))];
  }
  std::ostringstream text;
  text << items.size() << " (";
  for (const auto& [kind, count] : counts) text << " " << kind << " " << count;
  text << " )";
  return text.str();
}

// The items of a difference for a failure message: the counts, then the first lines.
std::string Listed(const std::vector<TCopperItem>& items) {
  std::ostringstream text;
  text << Counted(items);
  for (std::size_t i = 0; i < items.size() && i < 12; ++i) text << "\n    " << Describe(items[i]);
  return text.str();
}

}  // namespace

TEST(SessionRoundTrip, ComparesPlacesAndCopperWithinOneUnit) {
  auto place = [](double x, double y, double rotation, const std::string& key = "U1 FRONT") {
    TCopperItem item{TCopperItem::EKind::Place, key, {x, y}};
    item.Rotation = rotation;
    return item;
  };
  auto segment = [](std::vector<double> ends, double width = 0.25) {
    TCopperItem item{TCopperItem::EKind::Segment, "GND F.CU", std::move(ends)};
    item.Width = width;
    return item;
  };
  auto polygon = [](std::vector<double> ring) {
    return TCopperItem{TCopperItem::EKind::Polygon, "GND F.CU", std::move(ring)};
  };
  struct TCase {
    const char* Name;
    TCopperItem Expected;
    TCopperItem Actual;
    bool Same;
  };
  const TCase cases[] = {
      {"place within a unit", place(1, 2, 90), place(1.00001, 1.99999, 90), true},
      {"place two units off", place(1, 2, 90), place(1.00002, 2, 90), false},
      {"rotation across 0", place(1, 2, 359.999), place(1, 2, 0), true},
      {"rotation turned", place(1, 2, 0), place(1, 2, 180), false},
      {"other side", place(1, 2, 0), place(1, 2, 0, "U1 BACK"), false},
      {"segment reversed", segment({0, 0, 1, 1}), segment({1, 1, 0, 0}), true},
      {"segment moved", segment({0, 0, 1, 1}), segment({0, 0, 1, 1.1}), false},
      {"segment wider", segment({0, 0, 1, 1}), segment({0, 0, 1, 1}, 0.3), false},
      {"ring from another vertex", polygon({0, 0, 1, 0, 1, 1}), polygon({1, 1, 0, 0, 1, 0}), true},
      {"ring reversed", polygon({0, 0, 1, 0, 1, 1}), polygon({1, 1, 1, 0, 0, 0}), true},
      {"ring with a vertex moved", polygon({0, 0, 1, 0, 1, 1}), polygon({0, 0, 1, 0, 1, 2}),
       false},
  };
  for (const TCase& c : cases) {
    const TCopperDifference difference = CompareCopper({c.Expected}, {c.Actual}, 0.00001);
    EXPECT_EQ(difference.Missing.empty() && difference.Extra.empty(), c.Same) << c.Name;
  }
  // Multisets: a doubled segment must come back twice.
  const TCopperDifference doubled =
      CompareCopper({segment({0, 0, 1, 1}), segment({0, 0, 1, 1})}, {segment({1, 1, 0, 0})}, 1e-5);
  EXPECT_EQ(doubled.Missing.size(), 1u);
  EXPECT_TRUE(doubled.Extra.empty());
}

TEST(SessionRoundTrip, ReadsDesignAndSessionUnits) {
  const TRoutedCopper design = RoutedCopperOfDesign(
      "(pcb d (parser (string_quote \")) (resolution mil 1000) (unit inch)\n"
      " (placement (component \"A B\" (place R1 1 -2 back -90 (PN x)) (place R2)))\n"
      " (wiring (resolution um 10) (wire (path F.Cu 20 0 0 100 0 100 50) (net \"N 1\"))\n"
      "  (wire (polyline_path F.Cu 20 0 0 1 1)) (via V1 30 40 (net GND) (via_number 5))))");
  ASSERT_EQ(design.Items.size(), 4u);
  EXPECT_EQ(Describe(design.Items[0]), "place R1 BACK rotation 270 at 25.4 -50.8");
  EXPECT_EQ(Describe(design.Items[1]), "segment N 1 F.CU width 0.002 at 0 0 0.01 0");
  EXPECT_EQ(Describe(design.Items[2]), "segment N 1 F.CU width 0.002 at 0.01 0 0.01 0.005");
  EXPECT_EQ(Describe(design.Items[3]), "via GND #5 padstack V1 at 0.003 0.004");
  EXPECT_EQ(design.UnreadWireShapes, (std::map<std::string, int>{{"POLYLINE_PATH", 1}}));

  const TRoutedCopper session = RoutedCopperOfSession(
      "(session s (placement (resolution mm 100000) (component 'A B' (place R1 2540000 -5080000 "
      "back 270)))\n (routes (resolution mm 100000) (network_out (net 'N 1'\n"
      "  (wire (polygon F.CU 0 0 0 1000 0 1000 1000 0 0)) (via V1 300 400)))))");
  ASSERT_EQ(session.Items.size(), 3u);
  EXPECT_DOUBLE_EQ(session.SessionUnit, 1e-5);
  EXPECT_EQ(Describe(session.Items[0]), "place R1 BACK rotation 270 at 25.4 -50.8");
  EXPECT_EQ(Describe(session.Items[1]), "polygon N 1 F.CU width 0 at 0 0 0.01 0 0.01 0.01");
  EXPECT_EQ(Describe(session.Items[2]), "via N 1 padstack V1 at 0.003 0.004");
}

TEST(SessionRoundTrip, NamesViaPadstacksThatDifferInNameOnlyByTheFirst) {
  const TRoutedCopper design = RoutedCopperOfDesign(
      "(pcb d (library (padstack V1 (shape (circle F.Cu 600)) (attach off))\n"
      " (padstack v2 (shape (circle F.Cu 600))) (padstack V3 (shape (circle F.Cu 500)))))");
  std::vector<TCopperItem> vias;
  for (const char* name : {"V2", "V3", "V1", "V9"}) {
    vias.push_back({TCopperItem::EKind::Via, "GND", {0, 0}});
    vias.back().Padstack = name;
  }
  NameViaPadstacksByShape(vias, design);
  std::vector<std::string> names;
  for (const TCopperItem& via : vias) names.push_back(via.Padstack);
  EXPECT_EQ(names, (std::vector<std::string>{"V1", "V3", "V1", "V9"}));
}

// One test per routed design, so that the designs run in parallel and each has its own time
// limit.
class CorpusSessionRoundTrip : public ::testing::TestWithParam<std::filesystem::path> {};
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(CorpusSessionRoundTrip);

TEST_P(CorpusSessionRoundTrip, GivesBackItsPlacesAndCopper) {
  const std::string text = TTempFolder::Read(GetParam().string());
  TTempFolder folder;
  folder.Write("design.dsn", text);
  const TProgramResult imported = RunPcbhost(folder, {"import", "design.dsn"});
  ASSERT_EQ(imported.ExitCode, 0) << imported.Describe();
  const std::string report = TTempFolder::Read(folder.Path("design.rpt"));
  const TProgramResult exported = RunPcbhost(folder, {"export-session", "design.pcbdoc"});
  ASSERT_EQ(exported.ExitCode, 0) << exported.Describe();

  const TRoutedCopper design = RoutedCopperOfDesign(text);
  const TRoutedCopper session = RoutedCopperOfSession(TTempFolder::Read(folder.Path("design.ses")));
  ASSERT_GT(session.SessionUnit, 0);
  // Wires in a shape the format does not define are reported and left out, one report line
  // each.
  for (const auto& [shape, count] : design.UnreadWireShapes)
    EXPECT_GE(Occurrences(report, "Unexpected token <" + shape + ">"),
              static_cast<std::size_t>(count))
        << shape;

  // An unquoted apostrophe or semicolon ends a word in this format, so a place whose
  // designator holds one is read in pieces: the import reports them and places nothing.
  std::vector<TCopperItem> expected, unreadable;
  for (const TCopperItem& item : design.Items)
    (item.Kind == TCopperItem::EKind::Place && item.Key.find_first_of("';") != std::string::npos
         ? unreadable
         : expected)
        .push_back(item);
  EXPECT_GE(Occurrences(report, "ERROR: "), unreadable.size());
  // Vias come back by size and layers: padstacks that differ in name only are one to the
  // board.
  std::vector<TCopperItem> actual = session.Items;
  NameViaPadstacksByShape(expected, design);
  NameViaPadstacksByShape(actual, design);

  ASSERT_FALSE(expected.empty());
  std::cout << "[ compared ] " << Counted(expected) << "\n";
  const TCopperDifference difference = CompareCopper(expected, actual, session.SessionUnit);
  EXPECT_TRUE(difference.Missing.empty())
      << "missing from the session: " << Listed(difference.Missing);
  EXPECT_TRUE(difference.Extra.empty()) << "not in the design: " << Listed(difference.Extra);
}

INSTANTIATE_TEST_SUITE_P(Designs, CorpusSessionRoundTrip,
                         ::testing::ValuesIn(RoutedCorpusDesigns()),
                         [](const auto& design) { return CorpusTestName(design.param); });
