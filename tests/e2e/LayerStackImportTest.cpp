// A four-layer design through pcbhost: the saved board's layer stack and routing-layers rule,
// and the routes and session files that list the layers again.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <string>
#include <vector>

#include "support/BoardDocumentForms.h"
#include "support/Pcbhost.h"

namespace {

using TJson = nlohmann::json;

// The lines of the structure_out block, without their indentation.
std::vector<std::string> StructureOutLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = text.find("(structure_out \r\n");
  if (start == std::string::npos) return lines;
  start = text.find("\r\n", start) + 2;
  for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
    const std::string line = text.substr(start, end - start);
    const std::string trimmed = line.substr(std::min(line.find_first_not_of(' '), line.size()));
    if (trimmed == ")") break;
    lines.push_back(trimmed);
  }
  return lines;
}

// The saved board's routing-layers rules.
std::vector<TJson> RoutingLayersRules(const TJson& document) {
  std::vector<TJson> rules;
  for (const TJson& object : document["objects"])
    if (object["kindName"] == "rule" && object.value("ruleKind", 0) == 9) rules.push_back(object);
  return rules;
}

}  // namespace

TEST(LayerStackImport, FourLayersReachTheBoardTheRuleAndTheExports) {
  TTempFolder folder;
  folder.Write("four_layers.dsn", TTempFolder::Read(FIXTURES_DIR "/designs/four_layers.dsn"));
  const TProgramResult import = RunPcbhost(folder, {"import", "four_layers.dsn", "--rte", "--ses"});
  ASSERT_EQ(import.ExitCode, 0) << import.Describe();

  const TProgramResult info = RunPcbhost(folder, {"info", "four_layers.pcbdoc", "--json"});
  ASSERT_EQ(info.ExitCode, 0) << info.Describe();
  const TJson stack = TJson::parse(info.Out)["layerStack"];
  EXPECT_EQ(stack, TJson::parse(R"([{"number": 1, "name": "TOP"},
                                    {"number": 39, "name": "GND", "planeNet": "GND"},
                                    {"number": 2, "name": "Inner 1"},
                                    {"number": 32, "name": "BOTTOM"}])"));

  const TJson document = board_document::AsVersion1(
      TJson::parse(TTempFolder::Read(folder.Path("four_layers.pcbdoc"))));
  const std::vector<TJson> rules = RoutingLayersRules(document);
  ASSERT_EQ(rules.size(), 1u);
  EXPECT_EQ(rules[0]["name"], "Routing Layers From Layer Stack");
  EXPECT_EQ(rules[0]["scope1"], "All");
  std::vector<int> table(32, 0);
  table[0] = 1;   // TOP: horizontal as given
  table[1] = 2;   // Inner 1: vertical, alternating
  table[31] = 1;  // BOTTOM: horizontal again
  EXPECT_EQ(rules[0]["values"]["layers"], TJson(table));

  for (const char* exported : {"four_layers.rte", "four_layers.ses"}) {
    SCOPED_TRACE(exported);
    EXPECT_EQ(StructureOutLines(TTempFolder::Read(folder.Path(exported))),
              std::vector<std::string>{}) << "the routes structure lists no layers";
  }
}
