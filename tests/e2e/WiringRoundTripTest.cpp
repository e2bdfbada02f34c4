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
    for (std::size_t p = 0; p + 3 < points.size(); p += 2)
      segments.push_back({net, layer, {points[p], points[p + 1], points[p + 2], points[p + 3]}});
    i = j - 1;
  }
  std::sort(segments.begin(), segments.end());
  return segments;
}

std::size_t IndexOf(const std::vector<std::string>& words, const std::string& keyword) {
  for (std::size_t i = 0; i + 1 < words.size(); ++i)
    if (words[i] == "(" && words[i + 1] == keyword) return i;
  return words.size();
}

}  // namespace

TEST(WiringRoundTrip, WiresReachTheBoardAndComeBackInTheSession) {
  TTempFolder folder;
  CopyDesign(folder, "routed.dsn");
  const TProgramResult result = RunPcbhost(folder, {"import", "routed.dsn", "--ses"});
  ASSERT_EQ(result.ExitCode, 0) << result.Describe();

  const TJson board = TJson::parse(TTempFolder::Read(folder.Path("routed.pcbdoc")));
  std::multiset<std::string> tracks;
  for (const TJson& object : board["objects"])
    if (object["kindName"] == "track")
      tracks.insert(object["layer"].dump() + " " + object["net"].dump() + " " +
                    object["routedState"].dump());
  EXPECT_EQ(tracks.size(), 4u) << board.dump(1).substr(0, 3000);

  const std::vector<std::string> session = Words(TTempFolder::Read(folder.Path("routed.ses")));
  const std::vector<std::string> design = Words(TTempFolder::Read(folder.Path("routed.dsn")));
  // Session lengths are in 1/100000 mm; the design's in mils.
  const std::vector<TSegment> written =
      WireSegments(session, IndexOf(session, "network_out"), session.size(), 1e-5 / 0.0254);
  const std::vector<TSegment> read =
      WireSegments(design, IndexOf(design, "wiring"), design.size(), 1);
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

  const std::vector<std::string> session = Words(TTempFolder::Read(folder.Path("design.ses")));
  const std::vector<std::string> design = Words(TTempFolder::Read(folder.Path("design.dsn")));
  // The design counts in um, the session in 1/100000 mm.
  const std::vector<TSegment> written =
      WireSegments(session, IndexOf(session, "network_out"), session.size(), 0.01);
  const std::vector<TSegment> read =
      WireSegments(design, IndexOf(design, "wiring"), design.size(), 1);
  ASSERT_FALSE(read.empty());
  EXPECT_EQ(written.size(), read.size());
  EXPECT_EQ(written, read);
}
