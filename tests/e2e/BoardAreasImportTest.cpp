// The board's areas through pcbhost: outline, keepouts and planes of a design in the saved
// board document.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <vector>

#include "support/BoardDocumentForms.h"
#include "support/Pcbhost.h"

namespace {

using TJson = nlohmann::json;

// The document's objects of one kind.
std::vector<TJson> ObjectsOf(const TJson& document, const std::string& kindName) {
  std::vector<TJson> found;
  for (const TJson& object : document["objects"])
    if (object["kindName"] == kindName) found.push_back(object);
  return found;
}

TJson Points(std::initializer_list<std::pair<int, int>> mils) {
  TJson points = TJson::array();
  for (const auto& [x, y] : mils) points.push_back({20000000 + x * 10000, 20000000 + y * 10000});
  return points;
}

}  // namespace

TEST(BoardAreasImport, OutlineKeepoutsAndPlanesReachTheBoardDocument) {
  TTempFolder folder;
  folder.Write("board_areas.dsn", TTempFolder::Read(FIXTURES_DIR "/designs/board_areas.dsn"));
  const TProgramResult import = RunPcbhost(folder, {"import", "board_areas.dsn"});
  ASSERT_EQ(import.ExitCode, 0) << import.Describe();
  EXPECT_TRUE(Contains(import.Out, "(0 errors, ")) << import.Out;
  const TJson board = board_document::AsVersion1(
      TJson::parse(TTempFolder::Read(folder.Path("board_areas.pcbdoc"))));

  const auto outlines = ObjectsOf(board, "boardOutline");
  ASSERT_EQ(outlines.size(), 1u);
  EXPECT_EQ(outlines[0]["outline"], Points({{0, 0}, {2000, 0}, {2000, 1000}, {0, 1000}}));

  std::vector<TJson> keepoutTracks, outlineTracks;
  for (const TJson& track : ObjectsOf(board, "track")) {
    if (track.value("keepout", false)) keepoutTracks.push_back(track);
    if (track.value("layer", 0) == 56) outlineTracks.push_back(track);
  }
  ASSERT_EQ(keepoutTracks.size(), 4u);
  EXPECT_EQ(keepoutTracks[0]["layer"], 1);
  EXPECT_EQ(keepoutTracks[0].value("width", 0), 0) << "left out at zero";
  EXPECT_EQ(keepoutTracks[2]["x1"], 20000000 + 300 * 10000);
  EXPECT_EQ(keepoutTracks[2]["y1"], 20000000 + 200 * 10000);
  EXPECT_EQ(outlineTracks.size(), 4u) << "the pcb path is drawn once";

  const auto regions = ObjectsOf(board, "region");
  ASSERT_EQ(regions.size(), 1u);
  EXPECT_EQ(regions[0]["layer"], 56);
  EXPECT_EQ(regions[0]["keepout"], true);
  EXPECT_EQ(regions[0]["outline"],
            Points({{500, 500}, {700, 500}, {700, 700}, {500, 700}, {500, 500}}));

  const auto nets = ObjectsOf(board, "net");
  ASSERT_EQ(nets.size(), 1u);
  const auto planes = ObjectsOf(board, "splitPlane");
  ASSERT_EQ(planes.size(), 2u) << "the plane statement and the fill of the power layer";
  for (const TJson& plane : planes) {
    EXPECT_EQ(plane["layer"], 39);
    EXPECT_EQ(plane["net"], nets[0]["handle"]);
  }
  EXPECT_EQ(planes[0]["outline"], Points({{50, 50}, {1950, 50}, {1950, 950}, {50, 950}}));
  EXPECT_EQ(planes[1]["outline"], outlines[0]["outline"]);
}
