// The library through pcbhost: padstacks stored by an import and written back as the routes
// file's library_out (in the routes file's resolution: mm 100000), a second import into the same board, and a board never imported.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <map>
#include <string>

#include "support/BoardDocumentForms.h"
#include "support/Pcbhost.h"

namespace {

using TJson = nlohmann::json;

// The board's embedded objects: how many of each Type (as stored).
std::map<std::string, int> StoredTypes(const std::string& document) {
  std::map<std::string, int> types;
  const TJson board = board_document::AsVersion1(TJson::parse(document));
  for (const TJson& object : board["objects"]) {
    if (object["kindName"] != "embedded") continue;
    const std::string name = object["name"];
    const std::size_t start = name.find("Type=") + 5;
    ++types[name.substr(start, name.find('|', start) - start)];
  }
  return types;
}

const char* const kLibraryOut =
    "  (library_out \r\n"
    "    (padstack VIA20\r\n"
    "        (shape         \r\n"
    "          (circle SIGNAL 50800 0 0)\r\n"
    "        )\r\n"
    "    )\r\n"
    "    (padstack SMD40X20\r\n"
    "        (shape         \r\n"
    "(rect TOP -50800 -25400 50800 25400)\r\n"
    "        )\r\n"
    "    )\r\n"
    "    (padstack 'P(2)'\r\n"
    "        (shape (path TOP 20320\r\n"
    "        0 0 \r\n"
    "        0 30480 \r\n"
    "        )\r\n"
    "        )\r\n"
    "        (shape         (polygon BOT 0\r\n"
    "            -15240 -15240\r\n"
    "            15240 -15240\r\n"
    "            15240 15240\r\n"
    "            -15240 15240\r\n"
    "            -15240 -15240\r\n"
    "        )        )\r\n"
    "    )\r\n"
    "  )\r\n";

std::string LibraryOut(const std::string& routes) {
  const std::size_t start = routes.find("  (library_out");
  return start == std::string::npos ? "" : routes.substr(start, routes.find("  (network_out") - start);
}

}  // namespace

TEST(LibraryImport, TheRoutesFileListsTheImportedPadstacks) {
  TTempFolder folder;
  CopyDesign(folder, "library.dsn");
  const TProgramResult import = RunPcbhost(folder, {"import", "library.dsn", "--rte"});
  ASSERT_EQ(import.ExitCode, 0) << import.Describe();
  const std::string routes = TTempFolder::Read(folder.Path("library.rte"));
  EXPECT_EQ(LibraryOut(routes), kLibraryOut) << routes;
}

// The second import replaces the first one's translator data instead of deleting what it has
// just stored itself: the export still has the constants and converts with the offset.
TEST(LibraryImport, ImportingIntoTheSameBoardAgainKeepsConstantsAndOffset) {
  TTempFolder folder;
  CopyDesign(folder, "library.dsn");
  ASSERT_EQ(RunPcbhost(folder, {"import", "library.dsn"}).ExitCode, 0);
  const TProgramResult first = RunPcbhost(folder, {"export-routes", "library.pcbdoc"});
  ASSERT_EQ(first.ExitCode, 0) << first.Describe();
  const std::string firstRoutes = TTempFolder::Read(folder.Path("library.rte"));

  const TProgramResult merged =
      RunPcbhost(folder, {"import", "library.dsn", "--merge", "library.pcbdoc"});
  ASSERT_EQ(merged.ExitCode, 0) << merged.Describe();
  EXPECT_TRUE(Contains(TTempFolder::Read(folder.Path("library.rpt")),
                       "WARNING: Board  already contains padstack definitions which will be "
                       "deleted.\r\n"));
  EXPECT_EQ(StoredTypes(TTempFolder::Read(folder.Path("library.pcbdoc"))),
            (std::map<std::string, int>{
                {"BoardOffset", 1}, {"CONSTANTS", 1}, {"PADSTACK", 3}, {"PadstackList", 1}}));

  const TProgramResult second = RunPcbhost(folder, {"export-routes", "library.pcbdoc"});
  ASSERT_EQ(second.ExitCode, 0) << second.Describe();
  const std::string secondRoutes = TTempFolder::Read(folder.Path("library.rte"));
  EXPECT_EQ(secondRoutes, firstRoutes);
  EXPECT_TRUE(Contains(secondRoutes, "(constant REV 7)"));
  EXPECT_EQ(LibraryOut(secondRoutes), kLibraryOut);
}

TEST(LibraryImport, ABoardNeverImportedGetsTheNoticeAndAnEmptyLibrary) {
  TTempFolder folder;
  folder.Write("empty.pcbdoc", "");
  const TProgramResult routes = RunPcbhost(folder, {"export-routes", "empty.pcbdoc"});
  ASSERT_EQ(routes.ExitCode, 0) << routes.Describe();
  EXPECT_EQ(routes.Err,
            "Information: You can export routes only for pcb files previously imported as design "
            "files.\n");
  EXPECT_EQ(LibraryOut(TTempFolder::Read(folder.Path("empty.rte"))),
            "  (library_out \r\n  )\r\n");
}
