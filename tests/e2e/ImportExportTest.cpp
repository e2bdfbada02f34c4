#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <filesystem>

#include "support/BoardDocumentForms.h"
#include "support/CorpusFolder.h"
#include "support/Pcbhost.h"

namespace {

using TJson = nlohmann::json;

TJson ReadDocument(const std::string& path) {
  return board_document::AsVersion1(TJson::parse(TTempFolder::Read(path)));
}

// The board's embedded objects as name -> data.
std::map<std::string, std::string> EmbeddedObjects(const TJson& document) {
  std::map<std::string, std::string> objects;
  for (const TJson& object : document["objects"])
    if (object["kindName"] == "embedded") objects[object["name"]] = object.value("data", "");
  return objects;
}

std::vector<std::string> CrLfLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
    lines.push_back(text.substr(start, end - start));
  return lines;
}

}  // namespace

TEST(ImportExport, ImportStoresConstantsAndOffsetAndTheExportsBringThemBack) {
  TTempFolder folder;
  CopyDesign(folder, "constants.dsn");
  const TProgramResult import = RunPcbhost(folder, {"import", "constants.dsn"});
  ASSERT_EQ(import.ExitCode, 0) << import.Describe();
  EXPECT_TRUE(Contains(import.Out, "written: " + folder.Path("constants.pcbdoc")));

  const TJson board = ReadDocument(folder.Path("constants.pcbdoc"));
  EXPECT_EQ(board["board"]["originX"], 20000000);
  EXPECT_EQ(board["board"]["originY"], 20000000);
  const auto embedded = EmbeddedObjects(board);
  EXPECT_EQ(embedded.at("Server=Navro|Type=CONSTANTS|CONSTCOUNT=2"),
            "C0=PROJECT\rBlink Light|C1=REV\r3");
  EXPECT_EQ(embedded.at("Server=Navro|Type=BoardOffset"), "X=20000000|Y=20000000");

  const auto report = CrLfLines(TTempFolder::Read(folder.Path("constants.rpt")));
  ASSERT_GE(report.size(), 11u);
  EXPECT_EQ(report[0], "TARVEX DESIGNER - NEW ROUTER INTERFACE");
  EXPECT_EQ(report[1], "Design File : constants.dsn");
  EXPECT_EQ(report[7], "Total errors encountered: 4") << "with No Layers Loaded";
  EXPECT_EQ(report[8], "Total warnings encountered: 1");
  EXPECT_EQ(report[11],
            "WARNING: Board offseted to fit in Velor workspace. Please check current board origin");

  const TProgramResult routes = RunPcbhost(folder, {"export-routes", "constants.pcbdoc"});
  ASSERT_EQ(routes.ExitCode, 0) << routes.Describe();
  EXPECT_EQ(TTempFolder::Read(folder.Path("constants.rte")),
            "(routes \r\n"
            "  (resolution mm  100000)\r\n"
            "  (parser \r\n"
            "    (constant PROJECT 'Blink Light')\r\n"
            "    (constant REV 3)\r\n"
            "  )\r\n"
            "  (structure_out \r\n"
            "  )\r\n"
            "  (library_out \r\n"
            "  )\r\n"
            "  (network_out \r\n"
            "  )\r\n"
            "  (test_points \r\n"
            "  )\r\n"
            ")\r\n");

  std::filesystem::remove(folder.Path("constants.rpt"));
  const TProgramResult session = RunPcbhost(folder, {"export-session", "constants.pcbdoc",
                                                     "--out", "my session.ses"});
  ASSERT_EQ(session.ExitCode, 0) << session.Describe();
  const auto lines = CrLfLines(TTempFolder::Read(folder.Path("my session.ses")));
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(lines[0], "(session " + folder.Path("my_session.ses"));
  EXPECT_EQ(lines[1], "    (base_design " + folder.Path("my_session.dsn") + ")");
  EXPECT_FALSE(std::filesystem::exists(folder.Path("my session.rpt")))
      << "no design import in this session, so no report";
}

TEST(ImportExport, ImportWithRoutesAndSessionLeavesTheSessionReport) {
  TTempFolder folder;
  CopyDesign(folder, "constants.dsn", "board.dsn");
  const TProgramResult result = RunPcbhost(folder, {"import", "board.dsn", "--rte", "--ses"});
  ASSERT_EQ(result.ExitCode, 0) << result.Describe();
  for (const char* name : {"board.pcbdoc", "board.rte", "board.ses", "board.rpt"})
    EXPECT_TRUE(std::filesystem::exists(folder.Path(name))) << name;
  EXPECT_EQ(CrLfLines(TTempFolder::Read(folder.Path("board.rpt")))[1], "Design File : board.ses");
}

TEST(ImportExport, ExportDataRenamesBesideTheBoardKeepingBlanks) {
  TTempFolder folder;
  CopyDesign(folder, "constants.dsn");
  ASSERT_EQ(RunPcbhost(folder, {"import", "constants.dsn", "--out", "Main Board.pcbdoc"}).ExitCode, 0);
  const TProgramResult result =
      RunPcbhost(folder, {"run", "ExportData", "RteFile=renamedsn", "--open", "Main Board.pcbdoc"});
  ASSERT_EQ(result.ExitCode, 0) << result.Describe();
  EXPECT_TRUE(std::filesystem::exists(folder.Path("Main Board.rte")));
}

TEST(ImportExport, ProjectImportsTakeTheNextFreeFolder) {
  TTempFolder folder;
  CopyDesign(folder, "constants.dsn", "demo.dsn");
  for (const char* expected : {"Imported demo.dsn", "Imported (1) demo.dsn"}) {
    SCOPED_TRACE(expected);
    const TProgramResult result = RunPcbhost(folder, {"import", "demo.dsn", "--project"});
    ASSERT_EQ(result.ExitCode, 0) << result.Describe();
    const std::string created = folder.Path(expected);
    EXPECT_TRUE(std::filesystem::exists(created + "/demo.PrjPcb"));
    EXPECT_TRUE(std::filesystem::exists(created + "/demo.pcbdoc"));
  }
}

// An exception that ends the import used to leave no report and no reason: the report now
// holds what was collected and the reason, which pcbhost also prints; no board is saved.
TEST(ImportExport, FailingImportsTellTheReasonAndSaveNoBoard) {
  const struct {
    const char* design;
    const char* reason;
  } cases[] = {
      {"zero_resolution.dsn", "0 is not allowed value.  Value must be positive integer"},
      {"missing_file.dsn", "Cannot read the input file"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.design);
    TTempFolder folder;
    CopyDesign(folder, c.design);
    const TProgramResult result = RunPcbhost(folder, {"import", c.design});
    EXPECT_EQ(result.ExitCode, 1) << result.Describe();
    EXPECT_TRUE(Contains(result.Err, c.reason)) << result.Describe();
    const std::string base = std::filesystem::path(c.design).stem().string();
    EXPECT_FALSE(std::filesystem::exists(folder.Path(base + ".pcbdoc")));
    const auto report = CrLfLines(TTempFolder::Read(folder.Path(base + ".rpt")));
    const bool reasonReported = std::any_of(report.begin(), report.end(), [&](const std::string& l) {
      return l.rfind("ERROR: ", 0) == 0 && Contains(l, c.reason);
    });
    EXPECT_TRUE(reasonReported) << TTempFolder::Read(folder.Path(base + ".rpt"));
  }
}

// pcbhost import refuses such a file before launching; the command itself, run by name,
// reports it and builds nothing.
TEST(ImportExport, TheImportCommandReportsANonDesignAndBuildsNothing) {
  TTempFolder folder;
  const std::string design = CopyDesign(folder, "routes_first.dsn");
  const TProgramResult result =
      RunPcbhost(folder, {"run", "ImportSpecctraDesignFile", "DsnFile=" + design});
  EXPECT_EQ(result.ExitCode, 0) << result.Describe();
  const std::string report = TTempFolder::Read(folder.Path("routes_first.rpt"));
  EXPECT_TRUE(Contains(report, "ERROR: Not a valid DSN file. Expected <pcb> as second keyword."));
  EXPECT_TRUE(EmbeddedObjects(ReadDocument(folder.Path("routes_first.pcbdoc"))).empty());
}

TEST(ImportExport, ALockedReportIsLeftAloneWithTheNotice) {
  TTempFolder folder;
  CopyDesign(folder, "constants.dsn");
  folder.Write("constants.rpt", "old report");
  folder.Write("~$constants.rpt_loc", "ComputerName=elsewhere\nUserName=someone\nProcessID=1\n");
  const TProgramResult result = RunPcbhost(folder, {"import", "constants.dsn"});
  EXPECT_EQ(result.ExitCode, 0) << result.Describe();
  EXPECT_EQ(TTempFolder::Read(folder.Path("constants.rpt")), "old report");
  EXPECT_TRUE(Contains(result.Err, "constants.rpt is used by someone on elsewhere. You will not be "
                                   "able to save your changes."))
      << result.Err;
}

TEST(ImportExport, RealDesignsImportAndExport) {
  const auto corpus = CorpusFolder();
  if (!corpus) GTEST_SKIP() << "no design corpus";
  for (const char* name : {"Issue756-minimal-ok.dsn", "Issue143-rpi_splitter.dsn",
                           "KiCad_10_demos__StickHub.dsn"}) {
    SCOPED_TRACE(name);
    const std::string source = (*corpus / name).string();
    if (!std::filesystem::exists(source)) continue;
    TTempFolder folder;
    folder.Write("design.dsn", TTempFolder::Read(source));
    const TProgramResult result = RunPcbhost(folder, {"import", "design.dsn", "--rte", "--ses"});
    ASSERT_EQ(result.ExitCode, 0) << result.Describe();
    const std::string session = TTempFolder::Read(folder.Path("design.ses"));
    EXPECT_EQ(session.rfind("(session " + folder.Path("design.ses") + "\r\n", 0), 0u);
    EXPECT_TRUE(Contains(session, "(structure_out \r\n"));
  }
}
