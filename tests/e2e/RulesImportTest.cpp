#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <string>
#include <vector>

#include "support/BoardDocumentForms.h"
#include "support/Pcbhost.h"

// The design's rules reach the saved board as host rules, in the order of their scopes, and
// the board listing shows them.
TEST(RulesImport, RulesOfTheBoardLayersAndNetsReachTheSavedBoard) {
  TTempFolder folder;
  folder.Write("rules.dsn", TTempFolder::Read(FIXTURES_DIR "/designs/rules.dsn"));
  const TProgramResult result = RunPcbhost(folder, {"import", "rules.dsn"});
  ASSERT_EQ(result.ExitCode, 0) << result.Describe();

  const nlohmann::json board = board_document::AsVersion1(
      nlohmann::json::parse(TTempFolder::Read(folder.Path("rules.pcbdoc"))));
  std::vector<std::string> rules;
  for (const nlohmann::json& object : board["objects"]) {
    if (object["kindName"] != "rule" || object["name"] == "Routing Layers From Layer Stack")
      continue;
    rules.push_back(object.value("name", "") + " | " + object.value("scope1", "") + " | " +
                    object.value("scope2", "") + " | " +
                    object.value("values", nlohmann::json::object()).dump() +
                    (object.value("sameNet", 0) == 1 ? " | same net" : ""));
  }
  const std::vector<std::string> expected = {
      "Clearance PCB | All | All | {\"gap\":60000}",
      "Clearance PCB | IsSMTPin | IsSMTPin | {\"gap\":60000}",
      "Clearance PCB | IsVia | IsVia | {\"gap\":40000} | same net",
      "SMDToCorner PCB | All | All | {\"distance\":20000}",
      "Width PCB | All | All | {\"maximum\":96000,\"minimum\":64000,\"preferred\":80000}",
      "RoutingLayers GND | InNet('GND') | All | {\"layers\":[1,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,"
      "0,0,0,0,0,0,0,0,0,0,0,0,0,2]}",
      "Clearance GND | InNet('GND') And (IsPad Or (IsTrack Or IsArc)) | InNet('GND') And "
      "((IsTrack Or IsArc)) | {\"gap\":100000}",
      "ParallelSegment Sig(1) | InNet('Sig(1)') | InNet('Sig(1)') | "
      "{\"gap\":50000,\"limit\":1000000}",
      "RoutingTopology GND | InNet('GND') | All | {\"topology\":5}",
      "Width GND | InNet('GND') | All | "
      "{\"maximum\":240000,\"minimum\":160000,\"preferred\":200000}",
  };
  EXPECT_EQ(rules, expected);

  const TProgramResult info = RunPcbhost(folder, {"info", "rules.pcbdoc"});
  ASSERT_EQ(info.ExitCode, 0) << info.Describe();
  EXPECT_NE(info.Out.find("Width \"Width GND\": InNet('GND') | All"), std::string::npos)
      << info.Out;
  const std::string report = TTempFolder::Read(folder.Path("rules.rpt"));
  EXPECT_NE(report.find("from keyword: POWER_FANOUT"), std::string::npos) << report;
  EXPECT_EQ(report.find("from keyword: RULE"), std::string::npos) << report;
}
