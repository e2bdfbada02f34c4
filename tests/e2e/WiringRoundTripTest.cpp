// Pre-routed wires of a design on the board and back in the session file; for routed designs
// of the corpus, the session's wires against the design's.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "support/BoardDocumentForms.h"
#include "support/CorpusFolder.h"
#include "support/Pcbhost.h"

namespace {

using TJson = nlohmann::json;

// A straight piece of copper: net, layer, then both ends.
struct TSegment {
  std::string Net;
  std::string Layer;
  std::vector<double> Ends;
  auto operator<=>(const TSegment&) const = default;
};

[[maybe_unused]] std::ostream& operator<<(std::ostream& out, const TSegment& segment) {
  out << segment.Net << " " << segment.Layer;
  for (double value : segment.Ends) out << " " << value;
  return out;
}

// The words of a Specctra text between parentheses, quotes removed: one entry per word or
// parenthesis.
std::vector<std::string> Words(const std::string& text) {
  std::vector<std::string> words;
  for (std::size_t i = 0; i < text.size();) {
    const char c = text[i];
    if (c == '(' || c == ')') {
      words.emplace_back(1, c);
      ++i;
    } else if (c == '"' || c == '\'') {
      const std::size_t end = text.find(c, i + 1);
      words.push_back(text.substr(i + 1, end - i - 1));
      i = end == std::string::npos ? text.size() : end + 1;
    } else if (std::isspace(static_cast<unsigned char>(c))) {
      ++i;
    } else {
      const std::size_t end = text.find_first_of("()\"' \t\r\n", i);
      words.push_back(text.substr(i, end - i));
      i = end == std::string::npos ? text.size() : end;
    }
  }
  return words;
}

// The segments of every (wire (path LAYER W x y x y ...) ... (net N)) in the words from
// start; the net is the wire's own or, in a session, that of the (net N ...) around it.
// Coordinates are multiplied by scale and rounded to a tenth.
std::vector<TSegment> WireSegments(const std::vector<std::string>& words, std::size_t start,
                                   std::size_t end, double scale) {
  std::vector<TSegment> segments;
  std::string enclosingNet;
  for (std::size_t i = start; i + 1 < end; ++i) {
    if (words[i] == "(" && words[i + 1] == "net" && i + 2 < end) enclosingNet = words[i + 2];
    if (!(words[i] == "(" && words[i + 1] == "wire")) continue;
    std::size_t j = i + 2;
    int depth = 1;
    std::string layer, net = enclosingNet;
    std::vector<double> points;
    for (; j < end && depth > 0; ++j) {
      if (words[j] == "(") {
        ++depth;
        if (words[j + 1] == "path") {
          layer = words[j + 2];
          std::size_t k = j + 4;
          for (; words[k] != ")" && words[k] != "("; ++k)
            points.push_back(std::round(std::stod(words[k]) * scale * 10) / 10);
        } else if (words[j + 1] == "net") {
          net = words[j + 2];
        }
      } else if (words[j] == ")") {
        --depth;
      }
    }
    // The reader upper-cases unquoted words: names are compared ignoring letter case.
    for (std::string* name : {&net, &layer})
      std::transform(name->begin(), name->end(), name->begin(),
                     [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    for (std::size_t p = 0; p + 3 < points.size(); p += 2)
      segments.push_back({net, layer, {points[p], points[p + 1], points[p + 2], points[p + 3]}});
    i = j - 1;
  }
  std::sort(segments.begin(), segments.end());
  return segments;
}

// The segments of the wires in the block of the keyword (wiring, network_out) and after it.
std::vector<TSegment> SegmentsFrom(const std::string& text, const std::string& keyword,
                                   double scale) {
  const std::size_t start = text.find("(" + keyword);
  if (start == std::string::npos) return {};
  const std::vector<std::string> words = Words(text.substr(start));
  return WireSegments(words, 0, words.size(), scale);
}

}  // namespace

TEST(WiringRoundTrip, WiresReachTheBoardAndComeBackInTheSession) {
  TTempFolder folder;
  CopyDesign(folder, "routed.dsn");
  const TProgramResult result = RunPcbhost(folder, {"import", "routed.dsn", "--ses"});
  ASSERT_EQ(result.ExitCode, 0) << result.Describe();

  const TJson board = board_document::AsVersion1(
      TJson::parse(TTempFolder::Read(folder.Path("routed.pcbdoc"))));
  std::map<int, std::string> netNames;
  for (const TJson& object : board["objects"])
    if (object["kindName"] == "net") netNames[object["handle"].get<int>()] = object["name"];
  // Copper tracks as layer, net and whether the router may move them.
  std::multiset<std::string> tracks;
  for (const TJson& object : board["objects"]) {
    const int layer = object.value("layer", 0);
    if (object["kindName"] != "track" || layer < 1 || layer > 32) continue;
    tracks.insert(std::to_string(layer) + " " + netNames[object.value("net", 0)] +
                  (object.value("routed", false) ? " routed" : " kept"));
  }
  EXPECT_EQ(tracks, (std::multiset<std::string>{"1 Sig(1) routed", "1 Sig(1) routed",
                                                "32 Sig(1) kept", "1 CLK kept"}));

  // Session lengths are in 1/100000 mm; the design's in mils.
  const std::vector<TSegment> written = SegmentsFrom(
      TTempFolder::Read(folder.Path("routed.ses")), "network_out", 1e-5 / 0.0254);
  const std::vector<TSegment> read =
      SegmentsFrom(TTempFolder::Read(folder.Path("routed.dsn")), "wiring", 1);
  ASSERT_EQ(read.size(), 4u);
  EXPECT_EQ(written, read);
}

TEST(WiringRoundTrip, ARoutedCorpusDesignKeepsItsWiresThroughTheSession) {
  const std::optional<std::filesystem::path> corpus = CorpusFolder();
  const std::string name = "Issue229-display-8-digit-hc595.dsn";
  if (!corpus || !std::filesystem::exists(*corpus / name)) GTEST_SKIP() << "no corpus design";
  TTempFolder folder;
  folder.Write("design.dsn", TTempFolder::Read((*corpus / name).string()));
  const TProgramResult result = RunPcbhost(folder, {"import", "design.dsn", "--ses"});
  ASSERT_EQ(result.ExitCode, 0) << result.Describe();

  // The design counts in um, the session in 1/100000 mm.
  const std::vector<TSegment> written =
      SegmentsFrom(TTempFolder::Read(folder.Path("design.ses")), "network_out", 0.01);
  const std::vector<TSegment> read =
      SegmentsFrom(TTempFolder::Read(folder.Path("design.dsn")), "wiring", 1);
  ASSERT_FALSE(read.empty());
  EXPECT_EQ(written.size(), read.size());
  EXPECT_EQ(written, read);
}
