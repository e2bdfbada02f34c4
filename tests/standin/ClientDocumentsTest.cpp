// Documents of the client: kinds, opening, saving, reports, and the messages on the terminal.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "client/DocumentKinds.h"
#include "common/SafeFile.h"
#include "standin/ClientTestSupport.h"
#include "support/TempFolder.h"

namespace {

std::string KindOf(standin::TClient& client, const char* path) {
  char kind[32] = "unchanged";
  client.GetDocumentKind(path, kind, sizeof(kind));
  return kind;
}

TEST(ClientDocuments, KindsAndExtensionsFollowTheFileExtension) {
  TClientUnderTest host;
  const std::pair<const char*, const char*> kinds[] = {
      {"/b/board.pcbdoc", "PCB"},    {"/b/Board.PcbDoc", "PCB"}, {"/b/demo.rpt", "Text"},
      {"/b/notes.TXT", "Text"},      {"/b/demo.prs", "Text"},    {"/b/p.PrjPcb", "PcbProject"},
      {"/b/p.prjpcb", "PcbProject"}, {"/b/demo.dsn", ""},        {"/b.pcbdoc/noext", ""},
  };
  for (const auto& [path, kind] : kinds) {
    SCOPED_TRACE(path);
    EXPECT_EQ(KindOf(*host.Client, path), kind);
  }
  char extension[16] = {};
  EXPECT_EQ(host.Client->GetDefaultExtension("PCB", extension, sizeof(extension)), host::kOk);
  EXPECT_STREQ(extension, "pcbdoc");
  EXPECT_EQ(host.Client->GetDefaultExtension("Schematic", extension, sizeof(extension)),
            host::kFail);
  EXPECT_STREQ(extension, "");
}

// The counts each report held when it was opened or replaced, kept in order: a later report of
// the same name must not change what was recorded for the earlier one.
TEST(ClientDocuments, OpeningOrReplacingAReportRecordsItsCountsThen) {
  TTempFolder folder;
  TClientUnderTest host;
  const std::string report = folder.Write(
      "demo.rpt",
      "TARVEX DESIGNER - NEW ROUTER INTERFACE\r\nTotal errors encountered: 2\r\n\r\n"
      "ERROR: first\r\nWARNING: careful\r\nERROR: second\r\n  ERROR: indented is no error\r\n");
  host::IServerDocument* document = nullptr;
  ASSERT_EQ(host.Client->OpenDocument("Text", report.c_str(), &document), host::kOk);

  // Opening it again gives the open document and records nothing; replacing its file does.
  host::IServerDocument* again = nullptr;
  ASSERT_EQ(host.Client->OpenDocument("", report.c_str(), &again), host::kOk);
  EXPECT_EQ(again, document);
  folder.Write("demo.rpt", "WARNING: only\r\n");
  document->NotifyFileReplacing();
  document->NotifyFileReplaced();

  // Token dumps are text documents but no reports.
  const std::string dump = folder.Write("demo.prs", "ERROR: \r\n");
  ASSERT_EQ(host.Client->OpenDocument("", dump.c_str(), &document), host::kOk);

  const auto& reports = host.Client->OpenedReports();
  ASSERT_EQ(reports.size(), 2u);
  EXPECT_EQ(reports[0].Path, report);
  EXPECT_TRUE(reports[0].Read);
  EXPECT_EQ(reports[0].Counts.Errors, 2);
  EXPECT_EQ(reports[0].Counts.Warnings, 1);
  EXPECT_EQ(reports[1].Counts.Errors, 0);
  EXPECT_EQ(reports[1].Counts.Warnings, 1);
  EXPECT_EQ(host.Terminal.Err, "") << "reports are summarized by pcbhost, not on the terminal";
}

TEST(ClientDocuments, OpeningFailsForMissingFilesAndUnknownKinds) {
  TTempFolder folder;
  TClientUnderTest host;
  folder.Write("design.dsn", "(pcb x)");
  folder.Write("broken.pcbdoc", "{ not json");
  folder.Write("other.pcbdoc", R"({"format": "gerber", "version": 1})");
  for (const char* name : {"missing.rpt", "missing.pcbdoc", "design.dsn", "broken.pcbdoc",
                           "other.pcbdoc", "missing.PrjPcb"}) {
    SCOPED_TRACE(name);
    host::IServerDocument* document = nullptr;
    std::string error;
    EXPECT_EQ(host.Client->OpenDocument("", folder.Path(name).c_str(), &document), host::kFail);
    EXPECT_EQ(document, nullptr);
    EXPECT_FALSE(host.Client->OpenDocument(folder.Path(name), &error));
    EXPECT_NE(error.find(name), std::string::npos) << error;
  }
}

TEST(ClientDocuments, SavingWritesModifiedBoardsOnlyAndTheyLoadAgain) {
  TTempFolder folder;
  const std::string unchanged = folder.Write("unchanged.pcbdoc", "");
  const std::string created = folder.Path("created.pcbdoc");
  {
    TClientUnderTest host;
    std::string error;
    ASSERT_TRUE(host.Client->OpenDocument(unchanged, &error)) << error;
    ASSERT_NE(host.NewPcbDocument(created), nullptr);
    ASSERT_TRUE(host.Client->SaveModifiedDocuments(&error)) << error;
    EXPECT_EQ(host.Client->SavedFiles(), std::vector<std::string>{created});
    EXPECT_EQ(host.Terminal.Err, "");
  }
  EXPECT_EQ(TTempFolder::Read(unchanged), "") << "an unmodified document is not written";
  const auto saved = nlohmann::json::parse(TTempFolder::Read(created));
  EXPECT_EQ(saved["format"], "pcbdoc");
  EXPECT_EQ(saved["version"], 2);
  EXPECT_EQ(saved["board"]["fileName"], created);

  TClientUnderTest reopened;
  std::string error;
  ASSERT_TRUE(reopened.Client->OpenDocument(created, &error)) << error;
  host::IServerDocument* document = nullptr;
  ASSERT_EQ(reopened.Client->GetDocumentByPath(created.c_str(), &document), host::kOk);
  bool modified = true;
  document->GetModified(&modified);
  EXPECT_FALSE(modified);
}

TEST(ClientDocuments, SaveObjectSavesTheDocumentOfTheViewOrTheCurrentOne) {
  TTempFolder folder;
  TClientUnderTest host;
  host::IServerDocument* first = host.NewPcbDocument(folder.Path("first.pcbdoc"));
  host::IServerDocument* second = host.NewPcbDocument(folder.Path("second.pcbdoc"));
  ASSERT_TRUE(first && second);
  host.Client->ShowDocument(second);
  const std::string parameters =
      "SaveMode=Standard|ObjectKind=Document|FileFormat=PCB Binary Files";
  EXPECT_EQ(host.Run("WorkspaceManager:SaveObject", parameters, 1024).first, host::kOk);
  EXPECT_TRUE(FileExists(folder.Path("second.pcbdoc")));
  EXPECT_FALSE(FileExists(folder.Path("first.pcbdoc")));

  host::IServerView* view = nullptr;
  ASSERT_EQ(first->GetView("PcbEditor", &view), host::kOk);
  EXPECT_EQ(host.Run("WorkspaceManager:SaveObject", parameters, 1024, view).first, host::kOk);
  EXPECT_TRUE(FileExists(folder.Path("first.pcbdoc")));
  bool modified = true;
  first->GetModified(&modified);
  EXPECT_FALSE(modified);
}

TEST(ClientDocuments, TheHostsOwnServicesPrintOnTheTerminal) {
  TTempFolder folder;
  TClientUnderTest host;
  host.Client->ShowMessage(host::TMessageKind::Information, "Information",
                           "This document is not a PCB document.");
  host.Client->ShowMessage(host::TMessageKind::Error, nullptr, "first\r\nsecond");
  host::IServerDocument* board = host.NewPcbDocument(folder.Path("route.pcbdoc"), "NAVRO");
  ASSERT_NE(board, nullptr);
  host::IServerView* view = nullptr;
  board->GetView("PcbEditor", &view);
  EXPECT_EQ(host.Run("PCB:Autoroute", "Action=Start|BaseGrid=1", 255, view).first, host::kOk);
  EXPECT_EQ(host.Terminal.Err,
            "Information: This document is not a PCB document.\n"
            "Error: first\nsecond\n"
            "Autorouter started on " +
                folder.Path("route.pcbdoc") + " (the stand-in host has no router)\n");

  EXPECT_EQ(host.Client->SetStatusText(2, "Importing"), host::kOk);
  EXPECT_EQ(host.Client->SetStatusText(2, nullptr), host::kOk);
  EXPECT_EQ(host.Client->StatusTexts().at(2), "");
  uintptr_t window = 1;
  EXPECT_EQ(host.Client->GetMainWindowHandle(&window), host::kOk);
  EXPECT_EQ(window, 0u);
}

}  // namespace
