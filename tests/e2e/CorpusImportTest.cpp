// Every real design of the corpus through pcbhost, as a user imports it: the import succeeds,
// skips only what the translator leaves out by design, gives the board an outline where the
// design has a boundary, names the bottom layer after the design's last layer, holds exactly
// the design's nets and placed components (by name, read with the tests' own reader), and the
// routes export lists every host net of the board.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "common/AsciiText.h"
#include "support/BoardDocumentForms.h"
#include "support/CorpusFolder.h"
#include "support/DesignCensus.h"
#include "support/Pcbhost.h"

namespace {

using TJson = nlohmann::json;

// Blocks the translator skips on purpose (their contents have no host counterpart; the
// control section's via_at_smd switch is read only as a rule, a boundary's clearance class is
// not a shape).
const std::set<std::string> kSkippedByDesign = {"PROPERTY",       "PLACE_RULE", "PAIR",
                                                "BUNDLE",         "PART_LIBRARY",
                                                "PLACE_BOUNDARY", "VIA_AT_SMD", "CLEARANCE_CLASS"};

bool OpensAsDesign(const std::string& text) {
  const std::size_t start = text.find_first_not_of(" \t\r\n");
  return start != std::string::npos && SameTextIgnoringCase(text.substr(start, 4), "(pcb");
}

// The keywords of the report's "Skipped block" warnings that the translator does not skip by
// design.
std::set<std::string> UnexpectedSkips(const std::string& report) {
  std::set<std::string> skipped;
  const std::string marker = "WARNING: Skipped block between lines: ";
  for (std::size_t at = report.find(marker); at != std::string::npos;
       at = report.find(marker, at + 1)) {
    const std::size_t keyword = report.find("from keyword: ", at) + 14;
    const std::string word = report.substr(keyword, report.find('\r', keyword) - keyword);
    if (!kSkippedByDesign.count(word)) skipped.insert(word);
  }
  return skipped;
}

// The names of the design's layer statements without quotes, upper-cased for comparing.
std::set<std::string> LayerNames(const std::string& text) {
  std::set<std::string> names;
  const std::size_t structure = text.find("(structure");
  if (structure == std::string::npos) return names;
  for (std::size_t at = text.find("(layer ", structure); at != std::string::npos;
       at = text.find("(layer ", at + 1)) {
    const std::size_t start = text.find_first_not_of(' ', at + 7);
    std::string name = text.substr(start, text.find_first_of(" ()\r\n", start) - start);
    if (name.size() >= 2 && name.front() == '"' && name.back() == '"')
      name = name.substr(1, name.size() - 2);
    names.insert(AsciiUpperText(name));
  }
  return names;
}

// The host name of a layer by its number.
std::string HostLayerName(const TJson& document, int number) {
  for (const TJson& layer : document["layers"])
    if (layer["number"] == number) return layer["name"];
  return {};
}

// The names a field gives the board's objects of one kind.
std::set<std::string> NamesOf(const TJson& document, const std::string& kindName,
                              const std::string& field) {
  std::set<std::string> names;
  for (const TJson& object : document["objects"])
    if (object["kindName"] == kindName) names.insert(object.value(field, std::string()));
  return names;
}

// Names compared ignoring letter case: the lexer upper-cases unquoted words, and names that
// differ only in case are one net on the board.
std::set<std::string> UpperCased(const std::set<std::string>& names) {
  std::set<std::string> upper;
  for (const std::string& name : names) upper.insert(AsciiUpperText(name));
  return upper;
}

// The names a design can hold as one word: an unquoted apostrophe or semicolon ends a word in
// this format, so a name with one in it is read in pieces (and the import reports the pieces).
std::set<std::string> ReadableNames(const std::set<std::string>& names) {
  std::set<std::string> readable;
  for (const std::string& name : names)
    if (name.find_first_of("';") == std::string::npos) readable.insert(name);
  return readable;
}

int CountOf(const TJson& document, const std::string& kindName) {
  int count = 0;
  for (const TJson& object : document["objects"]) count += object["kindName"] == kindName;
  return count;
}

std::size_t Occurrences(const std::string& text, const std::string& part) {
  std::size_t count = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
    ++count;
  return count;
}

}  // namespace

// One test per design, so that the designs run in parallel and each has its own time limit.
class CorpusImport : public ::testing::TestWithParam<std::filesystem::path> {};
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(CorpusImport);

TEST_P(CorpusImport, ImportsWithItsStructureAndNets) {
  const std::string text = TTempFolder::Read(GetParam().string());
  if (!OpensAsDesign(text)) GTEST_SKIP() << "not a design";
  TTempFolder folder;
  folder.Write("design.dsn", text);
  const TProgramResult result = RunPcbhost(folder, {"import", "design.dsn"});
  ASSERT_EQ(result.ExitCode, 0) << result.Describe();
  EXPECT_EQ(UnexpectedSkips(TTempFolder::Read(folder.Path("design.rpt"))),
            std::set<std::string>{});
  const TProgramResult exported = RunPcbhost(folder, {"export-routes", "design.pcbdoc"});
  ASSERT_EQ(exported.ExitCode, 0) << exported.Describe();

  const TJson board = board_document::AsVersion1(
      TJson::parse(TTempFolder::Read(folder.Path("design.pcbdoc"))));
  if (text.find("(boundary") != std::string::npos) {
    EXPECT_EQ(CountOf(board, "boardOutline"), 1);
  }
  // The last layer of a design always becomes the host bottom layer, whatever the others.
  const std::set<std::string> layers = LayerNames(text);
  if (!layers.empty()) {
    EXPECT_EQ(layers.count(AsciiUpperText(HostLayerName(board, 32))), 1u)
        << HostLayerName(board, 32);
  }
  // Names, not counts: a design that loses one net and gains another must fail.
  const TDesignCensus census = CensusOfDesign(text);
  EXPECT_EQ(UpperCased(NamesOf(board, "net", "name")), UpperCased(ReadableNames(census.NetNames)));
  EXPECT_EQ(UpperCased(NamesOf(board, "component", "designator")),
            UpperCased(ReadableNames(census.Designators)));
  const std::string routes = TTempFolder::Read(folder.Path("design.rte"));
  const std::string networkOut = routes.substr(routes.find("(network_out"));
  EXPECT_EQ(Occurrences(networkOut, "(net "), static_cast<std::size_t>(CountOf(board, "net")));
}

INSTANTIATE_TEST_SUITE_P(Designs, CorpusImport, ::testing::ValuesIn(CorpusDesigns()),
                         [](const auto& design) { return CorpusTestName(design.param); });
