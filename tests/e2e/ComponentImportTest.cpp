// Footprints of a small design through pcbhost: components with their pads in the saved
// board document and in the board summary, and their place lines in the session file.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <map>
#include <string>

#include "support/BoardDocumentForms.h"
#include "support/Pcbhost.h"

namespace {

using TJson = nlohmann::json;

struct TPadSeen {
  std::string Component;
  int64_t X, Y;
  int Layer;
  int64_t Hole;
  std::string Net;
};

}  // namespace

TEST(ComponentImport, PartsAndPadsReachTheBoardAndTheSession) {
  TTempFolder folder;
  CopyDesign(folder, "components.dsn");
  const TProgramResult result = RunPcbhost(folder, {"import", "components.dsn"});
  ASSERT_EQ(result.ExitCode, 0) << result.Describe();
  EXPECT_FALSE(Contains(TTempFolder::Read(folder.Path("components.rpt")), "Skipped block"));

  const TJson board = board_document::AsVersion1(
      TJson::parse(TTempFolder::Read(folder.Path("components.pcbdoc"))));
  std::map<int64_t, std::string> designators, nets;
  for (const TJson& object : board["objects"]) {
    if (object["kindName"] == "net") nets[object["handle"]] = object["name"];
    if (object["kindName"] == "component") designators[object["handle"]] = object["designator"];
  }
  ASSERT_EQ(designators.size(), 3u);
  std::map<std::string, TPadSeen> pads;
  for (const TJson& object : board["objects"]) {
    if (object["kindName"] != "pad") continue;
    const std::string component = designators.at(object["container"]);
    const int64_t net = object.value("net", 0);
    pads[component + "-" + object["name"].get<std::string>()] = {
        component, object.value("x", 0), object.value("y", 0), object.value("layer", 0),
        object.value("holeSize", 0),
        net ? nets.at(net) : ""};
  }
  ASSERT_EQ(pads.size(), 10u);
  // Board positions in host units; the design sits 20,000,000 units (2000 mil) in from the
  // workspace corner.
  struct TCase {
    const char* Pin;
    int64_t X, Y;
    int Layer;
    int64_t Hole;
    const char* Net;
  };
  const TCase cases[] = {
      {"U1-1", 30000000, 30000000, 74, 100000, "GND"},
      {"U1-2", 31000000, 30000000, 74, 100000, "OUT"},
      {"U1-P3", 30000000, 33000000, 1, 0, ""},
      {"U1-P4", 31000000, 33000000, 1, 0, ""},
      {"U2-1", 40000000, 30000000, 74, 100000, ""},
      {"U2-P3", 37000000, 30000000, 32, 0, "OUT"},
      {"R1-1", 25400000, 25000000, 1, 0, "GND"},
      {"R1-2", 24600000, 25000000, 1, 0, "OUT"},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Pin);
    const TPadSeen& pad = pads.at(c.Pin);
    EXPECT_EQ(pad.X, c.X);
    EXPECT_EQ(pad.Y, c.Y);
    EXPECT_EQ(pad.Layer, c.Layer);
    EXPECT_EQ(pad.Hole, c.Hole);
    EXPECT_EQ(pad.Net, c.Net);
  }

  const TProgramResult info = RunPcbhost(folder, {"info", "components.pcbdoc", "--json"});
  ASSERT_EQ(info.ExitCode, 0) << info.Describe();
  EXPECT_TRUE(Contains(info.Out, "\"component\": 3")) << info.Out;

  const TProgramResult exported = RunPcbhost(folder, {"export-session", "components.pcbdoc"});
  ASSERT_EQ(exported.ExitCode, 0) << exported.Describe();
  const std::string session = TTempFolder::Read(folder.Path("components.ses"));
  EXPECT_TRUE(Contains(session, "(component DIP4\r\n"
                                "        (place U1 2540000 2540000 front 0)\r\n"
                                "        (place U2 5080000 2540000 back 90)\r\n"))
      << session;
  EXPECT_TRUE(Contains(session, "(component 'R(0805)'\r\n"
                                "        (place R1 1270000 1270000 front 180)\r\n"))
      << session;
}
