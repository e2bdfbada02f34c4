#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <string>
#include <vector>

#include "support/BoardDocumentForms.h"
#include "support/Pcbhost.h"

namespace {

using TJson = nlohmann::json;

struct TClassEntry {
  std::string Name;
  int ClassKind;
  std::vector<std::string> Members;
  bool operator==(const TClassEntry&) const = default;
};

}  // namespace

// Net classes, from-to groups and group sets reach the board as classes with their members,
// their rules with the class scopes; the grids reach the board's grid settings; info lists
// the classes.
TEST(NetClassesImport, ClassesAndGridsReachTheBoardAndInfoListsThem) {
  TTempFolder folder;
  folder.Write("classes.dsn", TTempFolder::Read(FIXTURES_DIR "/designs/classes.dsn"));
  const TProgramResult result = RunPcbhost(folder, {"import", "classes.dsn"});
  ASSERT_EQ(result.ExitCode, 0) << result.Describe();

  const TJson board = board_document::AsVersion1(
      TJson::parse(TTempFolder::Read(folder.Path("classes.pcbdoc"))));
  std::vector<TClassEntry> classes;
  for (const TJson& object : board["objects"])
    if (object["kindName"] == "class")
      classes.push_back({object.value("name", ""), object.value("classKind", 0),
                         object.value("members", std::vector<std::string>())});
  const std::vector<TClassEntry> expected = {
      {"PWR", 0, {"VCC", "GND"}},
      {"BUS", 0, {"D0", "D1"}},
      {"G1", 2, {"U1-1:U2-1", "U1-2:U2-2"}},
      {"ALL", 2, {"U1-1:U2-1", "U1-2:U2-2"}},
  };
  EXPECT_EQ(classes, expected);

  // The rules of a class and of a class pair take their scopes from them.
  std::vector<std::string> rules;
  for (const TJson& object : board["objects"])
    if (object["kindName"] == "rule")
      rules.push_back(object.value("name", "") + " / " + object.value("scope1", "") + " / " +
                      object.value("scope2", ""));
  EXPECT_EQ(rules, (std::vector<std::string>{
                       "Width PWR / InNetClass('PWR') / All",
                       "Clearance PWR BUS  / InNetClass('PWR') / InNetClass('BUS')"}));

  const TJson& grids = board["board"]["grids"];
  EXPECT_EQ(grids["viaGrid"], 50000.0);
  EXPECT_EQ(grids["wireGrid"], 20000.0);
  EXPECT_EQ(grids["placeGridX"], 250000.0);
  EXPECT_EQ(grids["placeGridY"], 250000.0);
  EXPECT_EQ(grids["unitMils"], 1.0);

  const std::string report = TTempFolder::Read(folder.Path("classes.rpt"));
  EXPECT_NE(report.find("WARNING: Invalid from-to class reference <G9> in from-to supper class "
                        "<ALL>"),
            std::string::npos);
  EXPECT_EQ(report.find("from keyword: CLASS"), std::string::npos) << "classes are not skipped";
  EXPECT_EQ(report.find("from keyword: GRID"), std::string::npos);

  const TProgramResult info = RunPcbhost(folder, {"info", "classes.pcbdoc", "--json"});
  ASSERT_EQ(info.ExitCode, 0) << info.Describe();
  const TJson listed = TJson::parse(info.Out)["classes"];
  ASSERT_EQ(listed.size(), 4u);
  EXPECT_EQ(listed[0], (TJson{{"name", "PWR"}, {"kind", "nets"}, {"members", {"VCC", "GND"}}}));
  EXPECT_EQ(listed[3]["kind"], "from-tos");
  const TProgramResult text = RunPcbhost(folder, {"info", "classes.pcbdoc"});
  EXPECT_NE(text.Out.find("classes: 4\n  PWR (nets): VCC GND\n  BUS (nets): D0 D1\n"),
            std::string::npos)
      << text.Out;
}
