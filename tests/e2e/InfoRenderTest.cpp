// `pcbhost info` and `pcbhost render` on board documents: the summary's facts read by name from
// the JSON form, and the picture's elements (exact widths in mil, round caps, the flipped y
// axis, layer colours and order, hatched keepouts, escaped texts); bad documents fail cleanly.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "DesignGenerator.h"
#include "support/BoardDocumentForms.h"
#include "support/Pcbhost.h"
#include "support/ProcessRunner.h"
#include "support/TempFolder.h"

namespace {

using TJson = nlohmann::json;

std::string CopyFixture(const TTempFolder& folder, const std::string& name) {
  return folder.Write(name, TTempFolder::Read(FIXTURES_DIR "/boards/" + name));
}

TJson InfoJson(const TTempFolder& folder, const std::string& board) {
  const TProgramResult result = RunPcbhost(folder, {"info", board, "--json"});
  EXPECT_EQ(result.ExitCode, 0) << result.Describe();
  const TJson summary = TJson::parse(result.Out, nullptr, false);
  EXPECT_TRUE(summary.is_object()) << result.Out;
  return summary;
}

// Renders the board and answers the picture's text.
std::string RenderedSvg(const TTempFolder& folder, const std::string& board) {
  const TProgramResult result = RunPcbhost(folder, {"render", board, "--out", "board.svg"});
  EXPECT_EQ(result.ExitCode, 0) << result.Describe();
  return TTempFolder::Read(folder.Path("board.svg"));
}

// The elements of one group (layer groups hold no groups): its lines up to its "</g>".
std::vector<std::string> GroupElements(const std::string& svg, const std::string& id) {
  std::vector<std::string> elements;
  const std::size_t start = svg.find("<g id=\"" + id + "\"");
  if (start == std::string::npos) return elements;
  std::istringstream lines(svg.substr(start));
  std::string line;
  std::getline(lines, line);
  while (std::getline(lines, line) && line != "</g>") elements.push_back(line);
  return elements;
}

// The opening tag of a group.
std::string GroupTag(const std::string& svg, const std::string& id) {
  const std::size_t start = svg.find("<g id=\"" + id + "\"");
  return start == std::string::npos ? "" : svg.substr(start, svg.find('>', start) - start + 1);
}

bool HasElement(const std::vector<std::string>& elements, const std::vector<std::string>& parts) {
  for (const std::string& element : elements) {
    bool all = true;
    for (const std::string& part : parts) all = all && Contains(element, part);
    if (all) return true;
  }
  return false;
}

// "#rrggbb" of an attribute in a tag.
std::string Colour(const std::string& tag, const std::string& attribute) {
  const std::size_t at = tag.find(attribute + "=\"#");
  return at == std::string::npos ? "" : tag.substr(at + attribute.size() + 2, 7);
}

int Channel(const std::string& colour, int index) {
  return std::stoi(colour.substr(1 + 2 * index, 2), nullptr, 16);
}

TEST(InfoRender, InfoJsonGivesCountsStackNetsComponentsAndRules) {
  TTempFolder folder;
  const TJson summary = InfoJson(folder, CopyFixture(folder, "small.pcbdoc"));
  EXPECT_EQ(summary["file"], folder.Path("small.pcbdoc"));
  EXPECT_EQ(summary["objects"], 28);
  const std::pair<const char*, int> counts[] = {
      {"track", 5},    {"arc", 1},        {"pad", 5},          {"via", 1},
      {"fill", 1},     {"text", 2},       {"net", 3},          {"component", 2},
      {"polygon", 1},  {"region", 1},     {"class", 1},        {"rule", 1},
      {"embedded", 1}, {"splitPlane", 1}, {"boardOutline", 1}, {"hologram", 1}};
  for (const auto& [kind, count] : counts) {
    SCOPED_TRACE(kind);
    EXPECT_EQ(summary["counts"][kind], count);
  }

  const TJson stack = summary["layerStack"];
  ASSERT_EQ(stack.size(), 4u) << stack;
  const std::pair<int, const char*> layers[] = {
      {1, "TopLayer"}, {2, "Signal2"}, {39, "InternalPlane1"}, {32, "BottomLayer"}};
  for (std::size_t i = 0; i < stack.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(stack[i]["number"], layers[i].first);
    EXPECT_EQ(stack[i]["name"], layers[i].second);
  }
  EXPECT_EQ(stack[2]["planeNet"], "GND");

  // Net names are byte strings, each byte the character of its number (0xB5 is U+00B5).
  EXPECT_EQ(summary["nets"], TJson({"GND", "VCC", "\u00b5SIG"}));

  const TJson components = summary["components"];
  ASSERT_EQ(components.size(), 2u);
  EXPECT_EQ(components[0], TJson({{"designator", "U1"},
                                  {"footprint", "SOIC8"},
                                  {"x", 1000.0},
                                  {"y", 750.0},
                                  {"rotation", 90.0},
                                  {"side", "top"}}));
  EXPECT_EQ(components[1]["designator"], "J1");
  EXPECT_EQ(components[1]["side"], "bottom");

  ASSERT_EQ(summary["rules"].size(), 1u);
  const TJson rule = summary["rules"][0];
  EXPECT_EQ(rule["kind"], "Clearance");
  EXPECT_EQ(rule["name"], "Clearance");
  EXPECT_EQ(rule["scope1"], "All");
  EXPECT_EQ(rule["scope2"], "InNet('GND')");
}

TEST(InfoRender, InfoTextListsTheSameFactsForPeople) {
  TTempFolder folder;
  const TProgramResult result = RunPcbhost(folder, {"info", CopyFixture(folder, "small.pcbdoc")});
  ASSERT_EQ(result.ExitCode, 0) << result.Describe();
  for (const char* line :
       {"objects: 28", "  track: 5", "  hologram: 1", "layer stack (top to bottom): 4",
        "  1 TopLayer", "  39 InternalPlane1 (net GND)", "nets: 3", "components: 2",
        "  U1 SOIC8 at (1000, 750) mil, rotation 90, top", "rules: 1"}) {
    SCOPED_TRACE(line);
    EXPECT_TRUE(Contains(result.Out, std::string("\n") + line + "\n")) << result.Out;
  }
  EXPECT_LT(result.Out.find("  2 Signal2"), result.Out.find("  39 InternalPlane1"));
  EXPECT_LT(result.Out.find("  39 InternalPlane1"), result.Out.find("  32 BottomLayer"));
}

TEST(InfoRender, TracksAndArcsHaveTheirWidthInMilAndRoundCaps) {
  TTempFolder folder;
  const std::string svg = RenderedSvg(folder, CopyFixture(folder, "small.pcbdoc"));
  const auto top = GroupElements(svg, "layer-1");
  EXPECT_TRUE(HasElement(top, {"<line ", "x1=\"200\" y1=\"650\" x2=\"1000\" y2=\"650\"",
                               "stroke-width=\"10\"", "stroke-linecap=\"round\""}))
      << svg;
  // The arc turns counter-clockwise from 90 to 270 degrees: from (200, 650) to (200, 250).
  EXPECT_TRUE(HasElement(top, {"<path ", "d=\"M 200 650 A 200 200 0 0 1 200 250\"",
                               "stroke-width=\"10\"", "stroke-linecap=\"round\""}));
  EXPECT_TRUE(HasElement(GroupElements(svg, "layer-32"),
                         {"<line ", "stroke-width=\"25\"", "stroke-linecap=\"round\""}));
  EXPECT_TRUE(HasElement(GroupElements(svg, "layer-2"), {"<line ", "stroke-width=\"8\""}));
}

TEST(InfoRender, TheYAxisPointsUpAndTextsStayUpright) {
  TTempFolder folder;
  const std::string svg = RenderedSvg(folder, CopyFixture(folder, "small.pcbdoc"));
  EXPECT_EQ(GroupTag(svg, "board"), "<g id=\"board\" transform=\"scale(1,-1)\">");
  // The flipped board (0..2000 by 0..1500 mil) lies in the viewBox at y -1500..0.
  const std::size_t at = svg.find("viewBox=\"");
  ASSERT_NE(at, std::string::npos);
  std::istringstream box(svg.substr(at + 9));
  double x = 0, y = 0, width = 0, height = 0;
  box >> x >> y >> width >> height;
  EXPECT_LT(x, 0);
  EXPECT_GT(x + width, 2000);
  EXPECT_LT(y, -1500);
  EXPECT_GT(y + height, 0);
  EXPECT_LT(y + height, 200);
  // Texts flip back about their anchor.
  EXPECT_TRUE(
      HasElement(GroupElements(svg, "layer-33"),
                 {"<text ", "transform=\"translate(100 1400) scale(1 -1)", "font-size=\"60\""}));
}

TEST(InfoRender, LayersHaveTheirOwnColoursAndTheBottomIsDrawnFirst) {
  TTempFolder folder;
  const std::string svg = RenderedSvg(folder, CopyFixture(folder, "small.pcbdoc"));
  const std::string top = Colour(GroupTag(svg, "layer-1"), "fill");
  const std::string bottom = Colour(GroupTag(svg, "layer-32"), "fill");
  ASSERT_FALSE(top.empty());
  ASSERT_FALSE(bottom.empty());
  EXPECT_GT(Channel(top, 0), Channel(top, 2)) << top;           // red-ish
  EXPECT_GT(Channel(bottom, 2), Channel(bottom, 0)) << bottom;  // blue-ish
  std::vector<std::string> colours;
  for (const char* id : {"layer-1", "layer-2", "layer-32", "layer-39", "layer-33", "layer-74"}) {
    SCOPED_TRACE(id);
    const std::string colour = Colour(GroupTag(svg, id), "fill");
    EXPECT_EQ(std::count(colours.begin(), colours.end(), colour), 0);
    colours.push_back(colour);
    // The legend shows the colour.
    EXPECT_TRUE(HasElement(GroupElements(svg, "legend"), {"<rect ", "fill=\"" + colour + "\""}));
  }
  const char* order[] = {"layer-32", "layer-39", "layer-2",       "layer-1",     "layer-74",
                         "vias",     "layer-33", "board-outline", "drill-holes", "legend"};
  for (std::size_t i = 1; i < std::size(order); ++i) {
    SCOPED_TRACE(order[i]);
    EXPECT_LT(svg.find(std::string("<g id=\"") + order[i - 1] + "\""),
              svg.find(std::string("<g id=\"") + order[i] + "\""));
  }
  // The legend names the layers drawn, with the board's own names.
  for (const char* name : {">TopLayer<", ">Signal2<", ">BottomLayer<", ">InternalPlane1<"})
    EXPECT_TRUE(Contains(svg, name)) << name;
}

TEST(InfoRender, KeepoutsAreHatchedAndOtherAreasAreNot) {
  TTempFolder folder;
  const std::string svg = RenderedSvg(folder, CopyFixture(folder, "small.pcbdoc"));
  EXPECT_TRUE(Contains(svg, "<pattern id=\"keepout-1\" patternUnits=\"userSpaceOnUse\""));
  EXPECT_TRUE(HasElement(
      GroupElements(svg, "layer-1"),
      {"<polygon ", "points=\"1300,100 1900,100 1900,500 1300,500\"", "fill=\"url(#keepout-1)\""}));
  for (const char* id : {"layer-32", "layer-39"}) {
    SCOPED_TRACE(id);
    const auto elements = GroupElements(svg, id);
    EXPECT_TRUE(HasElement(elements, {"<polygon "}));
    EXPECT_FALSE(HasElement(elements, {"url(#keepout"}));
  }
}

TEST(InfoRender, PadsViasAndDrillHolesKeepTheirShapes) {
  TTempFolder folder;
  const std::string svg = RenderedSvg(folder, CopyFixture(folder, "small.pcbdoc"));
  // U1's rectangular pads turn with the component.
  EXPECT_TRUE(HasElement(
      GroupElements(svg, "layer-1"),
      {"<rect ", "width=\"60\" height=\"30\"", "transform=\"translate(1000 650) rotate(90)\""}));
  const auto multi = GroupElements(svg, "layer-74");
  EXPECT_TRUE(HasElement(multi, {"<polygon ", "transform=\"translate(1550 1100)\""}));  // octagon
  EXPECT_TRUE(HasElement(multi, {"<rect ", "rx=\"14\"", "translate(1650 1100)"}));  // 40 % corners
  EXPECT_TRUE(HasElement(multi, {"<circle ", "cx=\"150\" cy=\"150\" r=\"80\""}));
  EXPECT_TRUE(
      HasElement(GroupElements(svg, "vias"), {"<circle ", "cx=\"800\" cy=\"1100\" r=\"14\""}));
  const auto holes = GroupElements(svg, "drill-holes");
  EXPECT_EQ(holes.size(), 4u);
  EXPECT_TRUE(HasElement(holes, {"cx=\"800\" cy=\"1100\" r=\"6\""}));
  EXPECT_TRUE(HasElement(holes, {"cx=\"1550\" cy=\"1100\" r=\"17.5\""}));
}

TEST(InfoRender, PadStacksShowTheShapeOfTheLayerDrawn) {
  TTempFolder folder;
  const std::string board = folder.Write("stacks.pcbdoc", R"({"format": "pcbdoc", "version": 1,
    "objects": [
      {"kindName": "pad", "layer": 74, "x": 0, "y": 0, "stackMode": 2,
       "top": {"shape": 1, "x": 600000, "y": 600000},
       "perLayer": [{"layer": 1, "shape": 2, "x": 500000, "y": 200000}]},
      {"kindName": "pad", "layer": 32, "x": 0, "y": 0, "stackMode": 1,
       "top": {"shape": 1, "x": 600000, "y": 600000},
       "bottom": {"shape": 9, "x": 400000, "y": 300000}, "bottomCornerRadiusPercent": 20},
      {"kindName": "pad", "layer": 1, "x": 0, "y": 0, "stackMode": 0,
       "top": {"shape": 1, "x": 600000, "y": 300000},
       "bottom": {"shape": 2, "x": 400000, "y": 300000}},
      {"kindName": "pad", "layer": 32, "x": 2000000, "y": 0, "stackMode": 0,
       "top": {"shape": 2, "x": 0, "y": 0},
       "bottom": {"shape": 2, "x": 700000, "y": 300000}}]})");
  const std::string svg = RenderedSvg(folder, board);
  // A back-side part's single-layer pad holds its size in the bottom shape of a simple stack.
  EXPECT_TRUE(HasElement(GroupElements(svg, "layer-32"),
                         {"<rect ", "width=\"70\" height=\"30\"", "translate(200 0)"}))
      << svg;
  EXPECT_TRUE(HasElement(GroupElements(svg, "layer-74"), {"<rect ", "width=\"50\" height=\"20\""}));
  // A rounded rectangle's corner radius is its percentage of half the smaller side.
  EXPECT_TRUE(HasElement(GroupElements(svg, "layer-32"),
                         {"<rect ", "width=\"40\" height=\"30\"", "rx=\"3\""}));
  // A simple pad is its top shape everywhere: round with unequal sides is an oval.
  EXPECT_TRUE(HasElement(GroupElements(svg, "layer-1"),
                         {"<rect ", "width=\"60\" height=\"30\"", "rx=\"15\""}));
}

// The stroke width of the first element of the group that holds all the parts.
double StrokeWidth(const std::vector<std::string>& elements,
                   const std::vector<std::string>& parts) {
  for (const std::string& element : elements) {
    bool all = true;
    for (const std::string& part : parts) all = all && Contains(element, part);
    const std::size_t at = element.find("stroke-width=\"");
    if (all && at != std::string::npos) return std::stod(element.substr(at + 14));
  }
  return -1;
}

TEST(InfoRender, LinesOfWidthZeroAreHairlinesAndOthersKeepTheirWidth) {
  TTempFolder folder;
  const std::string board = folder.Write("outlines.pcbdoc", R"({"format": "pcbdoc", "version": 1,
    "objects": [
      {"kindName": "arc", "layer": 1, "keepout": true, "x": 0, "y": 0, "radius": 500000,
       "startAngle": 0, "endAngle": 360, "width": 0},
      {"kindName": "arc", "layer": 1, "x": 0, "y": 0, "radius": 700000,
       "startAngle": 0, "endAngle": 90, "width": 0},
      {"kindName": "track", "layer": 1, "x1": 0, "y1": 0, "x2": 10000000, "y2": 0, "width": 0},
      {"kindName": "track", "layer": 1, "x1": 0, "y1": 10000, "x2": 10000000, "y2": 10000,
       "width": 20000}]})");
  const auto top = GroupElements(RenderedSvg(folder, board), "layer-1");
  const double circle = StrokeWidth(top, {"<circle ", "r=\"50\""});
  const double arc = StrokeWidth(top, {"<path "});
  const double line = StrokeWidth(top, {"<line ", "y1=\"0\""});
  // Thin beside the board (1000 mil across), yet drawn.
  for (const double hairline : {circle, arc, line}) {
    EXPECT_GT(hairline, 0);
    EXPECT_LT(hairline, 10);
  }
  EXPECT_EQ(StrokeWidth(top, {"<line ", "y1=\"1\""}), 2);
}

TEST(InfoRender, TextsAreEscapedAndBytesBecomeCharacters) {
  TTempFolder folder;
  const std::string board = folder.Write("texts.pcbdoc",
                                         R"({"format": "pcbdoc", "version": 1, "objects": [
        {"kindName": "text", "layer": 33, "x": 0, "y": 0, "text": "R&D <rev A> \"x\""},
        {"kindName": "text", "layer": 33, "x": 0, "y": 100000, "text": "caf\u00e9"},
        {"kindName": "text", "layer": 33, "x": 0, "y": 200000, "text": "\u00c3\u00a9t\u00c3\u00a9"},
        {"kindName": "text", "layer": 33, "x": 0, "y": 300000, "text": "bell\u0007"}]})");
  const std::string svg = RenderedSvg(folder, board);
  const auto texts = GroupElements(svg, "layer-33");
  EXPECT_TRUE(HasElement(texts, {">R&amp;D &lt;rev A&gt; &quot;x&quot;</text>"}));
  EXPECT_FALSE(Contains(svg, "R&D"));
  // Byte E9 is not UTF-8: it stands for U+00E9. Bytes C3 A9 are UTF-8 already.
  EXPECT_TRUE(HasElement(texts, {">caf\xC3\xA9</text>"}));
  EXPECT_TRUE(HasElement(texts, {">\xC3\xA9t\xC3\xA9</text>"}));
  EXPECT_TRUE(HasElement(texts, {">bell\xEF\xBF\xBD</text>"}));  // U+FFFD: XML has no BEL
}

TEST(InfoRender, RenderWritesBesideTheBoardOrWhereToldAndRsvgReadsIt) {
  TTempFolder folder;
  const std::string board = CopyFixture(folder, "small.pcbdoc");
  const TProgramResult beside = RunPcbhost(folder, {"render", "small.pcbdoc"});
  ASSERT_EQ(beside.ExitCode, 0) << beside.Describe();
  EXPECT_TRUE(Contains(beside.Out, "written: " + folder.Path("small.svg") + "\n")) << beside.Out;
  EXPECT_TRUE(TTempFolder::Read(folder.Path("small.svg")).starts_with("<?xml"));

  std::filesystem::create_directory(folder.Path("out"));
  const TProgramResult there = RunPcbhost(folder, {"render", board, "--out", "out/picture.svg"});
  ASSERT_EQ(there.ExitCode, 0) << there.Describe();
  EXPECT_EQ(TTempFolder::Read(folder.Path("out/picture.svg")),
            TTempFolder::Read(folder.Path("small.svg")));

  const TProgramResult nowhere = RunPcbhost(folder, {"render", board, "--out", "missing/p.svg"});
  EXPECT_EQ(nowhere.ExitCode, 1) << nowhere.Describe();
  EXPECT_EQ(nowhere.ErrLines().size(), 1u) << nowhere.Describe();

  if (::access("/usr/bin/rsvg-convert", X_OK) != 0) GTEST_SKIP() << "rsvg-convert is not installed";
  TProgramRun convert;
  convert.Arguments = {"/usr/bin/rsvg-convert", "-o", folder.Path("small.png"),
                       folder.Path("small.svg")};
  const TProgramResult converted = RunProgram(convert);
  EXPECT_EQ(converted.ExitCode, 0) << converted.Describe();
  EXPECT_TRUE(TTempFolder::Read(folder.Path("small.png")).starts_with("\x89PNG"));
}

// The picture goes to its file while it is drawn: a write that fails half way (here the file
// size limit) fails the render and leaves neither a picture nor a temporary file.
TEST(InfoRender, APictureThatCannotBeWrittenWholeLeavesNothing) {
  TTempFolder folder;
  folder.Write("big.dsn", GenerateDesign(std::size_t{1} << 20));
  const TProgramResult imported = RunPcbhost(folder, {"import", "big.dsn", "--quiet"});
  ASSERT_EQ(imported.ExitCode, 0) << imported.Describe();
  const std::vector<std::string> before = folder.FileNames();

  TProgramRun limited;
  limited.FileSizeLimit = std::size_t{1} << 20;
  const TProgramResult cut = RunPcbhost(folder, {"render", "big.pcbdoc"}, limited);
  EXPECT_EQ(cut.ExitCode, 1) << cut.Describe();
  ASSERT_EQ(cut.ErrLines().size(), 1u) << cut.Describe();
  EXPECT_TRUE(Contains(cut.Err, "cannot write the picture")) << cut.Err;
  EXPECT_EQ(folder.FileNames(), before);

  const TProgramResult whole = RunPcbhost(folder, {"render", "big.pcbdoc"});
  ASSERT_EQ(whole.ExitCode, 0) << whole.Describe();
  EXPECT_GT(std::filesystem::file_size(folder.Path("big.svg")), limited.FileSizeLimit);
}

TEST(InfoRender, OddFieldsReadAsDefaultsAndUnknownKindsAreCountedOnly) {
  TTempFolder folder;
  const std::string board = folder.Write(
      "odd.pcbdoc",
      R"({"format": "pcbdoc", "version": 1, "board": [], "layers": {"x": 1}, "objects": [
        1, "track", null,
        {"kindName": "track", "layer": 999, "x1": "a", "y1": 1e300, "x2": -1e300, "width": -5},
        {"kindName": "arc", "layer": 1, "radius": 1e308, "startAngle": 1e308, "endAngle": -1e308},
        {"kindName": "pad", "layer": 74, "top": [1], "perLayer": {"1": 5, "x": {}}, "stackMode": 2},
        {"kindName": "polygon", "layer": 1, "outline": [[1], [1, 2, 3], "x", {"x": 5}]},
        {"kindName": "region", "layer": 56, "outline": [[0, 0], [10, 0], [10, 10]]},
        {"kindName": "component", "designator": 5, "layer": -1, "rotation": "90"},
        {"kindName": "net", "name": ["GND"]},
        {"kind": 4, "layer": 32, "x2": 100000, "width": 10000},
        {"kindName": "gizmo"}, {"kindName": 7}]})");
  const TJson summary = InfoJson(folder, board);
  EXPECT_EQ(summary["objects"], 10);
  EXPECT_EQ(summary["counts"]["track"], 2);
  EXPECT_EQ(summary["counts"]["gizmo"], 1);
  EXPECT_EQ(summary["counts"]["unknown"], 1);
  EXPECT_EQ(summary["nets"], TJson({""}));
  EXPECT_EQ(summary["components"][0]["side"], "NoLayer");
  // Layer records that are not a list leave the default stack.
  EXPECT_EQ(summary["layerStack"].size(), 2u);

  const std::string svg = RenderedSvg(folder, board);
  EXPECT_TRUE(svg.ends_with("</svg>\n"));
  EXPECT_TRUE(
      HasElement(GroupElements(svg, "layer-32"), {"<line ", "x2=\"10\"", "stroke-width=\"1\""}));
  EXPECT_TRUE(Contains(svg, "<pattern id=\"keepout-56\""));
}

TEST(InfoRender, AnEmptyFileIsAnEmptyBoard) {
  TTempFolder folder;
  const std::string board = folder.Write("empty.pcbdoc", "");
  const TJson summary = InfoJson(folder, board);
  EXPECT_EQ(summary["objects"], 0);
  EXPECT_EQ(summary["counts"]["track"], 0);
  EXPECT_EQ(summary["layerStack"], TJson::parse(R"([{"number": 1, "name": "TopLayer"},
                                                    {"number": 32, "name": "BottomLayer"}])"));
  EXPECT_TRUE(RenderedSvg(folder, board).ends_with("</svg>\n"));
}

TEST(InfoRender, BadDocumentsFailWithOneErrorLineAndWriteNothing) {
  const struct {
    const char* Name;
    const char* Content;  // nullptr: the file is missing
  } documents[] = {
      {"missing", nullptr},
      {"not JSON", "{\"format\": \"pcbdoc\", "},
      {"not an object", "[1, 2]"},
      {"another format", R"({"format": "schdoc", "version": 1})"},
      {"no version", R"({"format": "pcbdoc"})"},
      {"version as text", R"({"format": "pcbdoc", "version": "1"})"},
      {"a later version", R"({"format": "pcbdoc", "version": 3, "tables": []})"},
      {"a row longer than the columns", R"({"format": "pcbdoc", "version": 2, "tables": [
        {"kind": 4, "kindName": "track", "count": 1, "handles": [[1, 1]], "columns": ["x1"],
         "rows": [[1, 2]]}]})"},
      {"fewer rows than the count", R"({"format": "pcbdoc", "version": 2, "tables": [
        {"kind": 4, "kindName": "track", "count": 2, "handles": [[1, 2]], "columns": ["x1"],
         "rows": [[1]]}]})"},
  };
  const std::vector<std::vector<std::string>> verbs = {{"info"}, {"info", "--json"}, {"render"}};
  for (const auto& document : documents) {
    for (const auto& verb : verbs) {
      SCOPED_TRACE(std::string(document.Name) + " / " + verb.back());
      TTempFolder folder;
      if (document.Content) folder.Write("bad.pcbdoc", document.Content);
      std::vector<std::string> arguments = {verb[0], "bad.pcbdoc"};
      arguments.insert(arguments.end(), verb.begin() + 1, verb.end());
      const TProgramResult result = RunPcbhost(folder, arguments);
      EXPECT_EQ(result.ExitCode, 1) << result.Describe();
      ASSERT_EQ(result.ErrLines().size(), 1u) << result.Describe();
      EXPECT_TRUE(result.ErrLines()[0].starts_with("pcbhost: ")) << result.Describe();
      EXPECT_TRUE(Contains(result.Err, "bad.pcbdoc")) << result.Describe();
      EXPECT_EQ(result.Out, "");
      EXPECT_FALSE(std::filesystem::exists(folder.Path("bad.svg")));
    }
  }
}

// The same board as a version 1 list of records and as version 2 tables (a table per kind,
// every field a column): summary and picture alike, objects drawn in the order they were made.
TEST(InfoRender, OneBoardInEitherFormSummarizesAndDrawsTheSame) {
  TTempFolder folder;
  const std::string listed = CopyFixture(folder, "small.pcbdoc");
  const auto records = board_document::TJson::parse(TTempFolder::Read(listed));
  std::filesystem::create_directory(folder.Path("tabled"));
  const std::string tabled =
      folder.Write("tabled/small.pcbdoc", board_document::AsVersion2(records).dump(1));
  ASSERT_NE(TTempFolder::Read(tabled).find("\"tables\""), std::string::npos);
  const auto summary = [&](const std::string& board) {
    TJson json = InfoJson(folder, board);
    json.erase("file");
    return json;
  };
  EXPECT_EQ(summary(tabled), summary(listed));
  const std::string listedSvg = RenderedSvg(folder, listed);
  EXPECT_EQ(RenderedSvg(folder, tabled), listedSvg);
  EXPECT_NE(listedSvg.find("<line"), std::string::npos);
}

TEST(InfoRender, MissingArgumentsAreUsageErrors) {
  TTempFolder folder;
  const std::vector<std::vector<std::string>> cases = {
      {"info"}, {"render"}, {"render", "a.pcbdoc", "--out"}, {"info", "a.pcbdoc", "b.pcbdoc"}};
  for (const auto& arguments : cases) {
    SCOPED_TRACE(arguments.back());
    const TProgramResult result = RunPcbhost(folder, arguments);
    EXPECT_EQ(result.ExitCode, 2) << result.Describe();
    EXPECT_EQ(result.ErrLines().size(), 1u) << result.Describe();
  }
}

}  // namespace
