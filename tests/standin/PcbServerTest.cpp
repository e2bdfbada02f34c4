// The "PCB" server as the plug-in meets it through the client: documents, boards by handle and
// by path, the current board, batches and the board interface.
#include <gtest/gtest.h>

#include <set>

#include "host/PcbServer.h"
#include "server/Board.h"
#include "server/PcbServerModule.h"
#include "standin/ClientTestSupport.h"
#include "support/TempFolder.h"

namespace {

using standin::BoardHandleFromFileName;
using standin::CurrentBoardHandle;

host::IServerModule* PcbServer(standin::TClient& client) {
  host::IServerModule* module = nullptr;
  client.GetServerModule("PCB", &module);
  return module;
}

host::IPCB_ServerInterface* ServerInterface(standin::TClient& client) {
  void* found = nullptr;
  host::IServerModule* module = PcbServer(client);
  if (!module || module->QueryInterface(host::IID_IPCB_ServerInterface, &found) != host::kOk)
    return nullptr;
  return static_cast<host::IPCB_ServerInterface*>(found);
}

TEST(PcbServer, StartsOnDemandAndOnlyUnderItsName) {
  TClientUnderTest host;
  host::IServerModule* module = nullptr;
  EXPECT_EQ(host.Client->GetServerModule("PCB", &module), host::kFail);
  EXPECT_EQ(module, nullptr);
  EXPECT_EQ(host.Client->StartServer("Schematic"), host::kFail);
  EXPECT_EQ(host.Client->StartServer("pcb"), host::kOk);
  ASSERT_EQ(host.Client->GetServerModule("PCB", &module), host::kOk);
  char name[16] = {};
  EXPECT_EQ(module->GetModuleName(name, sizeof(name)), host::kOk);
  EXPECT_STREQ(name, "PCB");
  EXPECT_EQ(host.Client->StartServer("PCB"), host::kOk) << "a running server stays";
  host::IServerModule* again = nullptr;
  host.Client->GetServerModule("PCB", &again);
  EXPECT_EQ(again, module);
}

TEST(PcbServer, NewDocumentTakesTheTwoPcbKindsAndOneDocumentPerPath) {
  TClientUnderTest host;
  ASSERT_EQ(host.Client->StartServer("PCB"), host::kOk);
  host::IServerModule* module = PcbServer(*host.Client);
  struct TCase {
    const char* Kind;
    const char* Path;
    bool Created;
    const char* StoredKind;
  };
  const TCase cases[] = {
      {"PCB", "/boards/a.pcbdoc", true, "PCB"},
      {"NAVRO", "/boards/b.pcbdoc", true, "NAVRO"},
      {"navro", "/boards/c.pcbdoc", true, "NAVRO"},
      {"Text", "/boards/d.pcbdoc", false, nullptr},
      {nullptr, "/boards/e.pcbdoc", false, nullptr},
      {"PCB", "", false, nullptr},
      {"PCB", "/boards/x/../a.pcbdoc", false, nullptr},  // the same file as the first
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(std::string(c.Kind ? c.Kind : "(null)") + " " + c.Path);
    host::IServerDocument* document = nullptr;
    EXPECT_EQ(module->NewDocument(c.Kind, c.Path, &document) == host::kOk, c.Created);
    ASSERT_EQ(document != nullptr, c.Created);
    if (!document) continue;
    char kind[16] = {};
    document->GetKind(kind, sizeof(kind));
    EXPECT_STREQ(kind, c.StoredKind);
    bool modified = false;
    document->GetModified(&modified);
    EXPECT_TRUE(modified) << "a new document was never saved";
  }
  int32_t count = 0;
  module->DocumentCount(&count);
  EXPECT_EQ(count, 3);
}

TEST(PcbServer, BoardHandlesByPathAreNeverReused) {
  TClientUnderTest host;
  host::IServerDocument* first = host.NewPcbDocument("/boards/main.pcbdoc");
  ASSERT_NE(first, nullptr);
  const PcbHandle handle = BoardHandleFromFileName("/boards/main.pcbdoc");
  EXPECT_NE(handle, 0u);
  EXPECT_EQ(BoardHandleFromFileName("/boards/./main.pcbdoc"), handle);
  EXPECT_EQ(BoardHandleFromFileName("/boards/other.pcbdoc"), 0u);
  EXPECT_EQ(BoardHandleFromFileName(""), 0u);

  std::set<PcbHandle> seen = {handle};
  for (int i = 0; i < 3; ++i) {
    host::IServerDocument* open = nullptr;
    ASSERT_EQ(host.Client->GetDocumentByPath("/boards/main.pcbdoc", &open), host::kOk);
    ASSERT_EQ(host.Client->CloseDocument(open), host::kOk);
    EXPECT_EQ(BoardHandleFromFileName("/boards/main.pcbdoc"), 0u) << "closed";
    ASSERT_NE(host.NewPcbDocument("/boards/main.pcbdoc"), nullptr);
    EXPECT_TRUE(seen.insert(BoardHandleFromFileName("/boards/main.pcbdoc")).second);
  }
}

TEST(PcbServer, TheCurrentBoardIsTheBoardOfTheCurrentPcbDocument) {
  TTempFolder folder;
  TClientUnderTest host;
  EXPECT_EQ(CurrentBoardHandle(), 0u) << "no server";
  host::IServerDocument* a = host.NewPcbDocument(folder.Path("a.pcbdoc"));
  host::IServerDocument* b = host.NewPcbDocument(folder.Path("b.pcbdoc"), "NAVRO");
  ASSERT_TRUE(a && b);
  EXPECT_EQ(CurrentBoardHandle(), 0u) << "nothing shown yet";
  ASSERT_EQ(host.Client->ShowDocument(a), host::kOk);
  EXPECT_EQ(CurrentBoardHandle(), BoardHandleFromFileName(folder.Path("a.pcbdoc")));
  ASSERT_EQ(b->Focus(), host::kOk);
  EXPECT_EQ(CurrentBoardHandle(), BoardHandleFromFileName(folder.Path("b.pcbdoc")));

  // A report in front: no current board.
  host::IServerDocument* report = nullptr;
  const std::string reportPath = folder.Write("b.rpt", "ERROR: x\r\n");
  ASSERT_EQ(host.Client->OpenDocument("", reportPath.c_str(), &report), host::kOk);
  ASSERT_EQ(host.Client->ShowDocument(report), host::kOk);
  EXPECT_EQ(CurrentBoardHandle(), 0u);

  // Closing the front documents brings back the one shown before them.
  ASSERT_EQ(host.Client->CloseDocument(report), host::kOk);
  ASSERT_EQ(host.Client->CloseDocument(b), host::kOk);
  EXPECT_EQ(CurrentBoardHandle(), BoardHandleFromFileName(folder.Path("a.pcbdoc")));
  host::IServerView* view = nullptr;
  ASSERT_EQ(host.Client->GetCurrentView(&view), host::kOk);
  char kind[32] = {};
  view->GetKind(kind, sizeof(kind));
  EXPECT_STREQ(kind, "PcbEditor");
  host::IServerDocument* ofView = nullptr;
  view->GetDocument(&ofView);
  EXPECT_EQ(ofView, a);
}

TEST(PcbServer, BatchesNestAndAnUnbalancedEndFails) {
  TClientUnderTest host;
  ASSERT_EQ(host.Client->StartServer("PCB"), host::kOk);
  host::IPCB_ServerInterface* server = ServerInterface(*host.Client);
  ASSERT_NE(server, nullptr);
  auto& counts = standin::RunningPcbServer()->ServerInterface();
  EXPECT_EQ(server->PreProcess(), host::kOk);
  EXPECT_EQ(server->PreProcess(), host::kOk);
  EXPECT_EQ(counts.BatchDepth(), 2);
  EXPECT_EQ(server->PostProcess(), host::kOk);
  EXPECT_EQ(server->PostProcess(), host::kOk);
  EXPECT_EQ(server->PostProcess(), host::kFail);
  EXPECT_EQ(counts.BatchDepth(), 0);
  EXPECT_EQ(counts.BatchCount(), 2);
}

TEST(PcbServer, TheBoardInterfaceOfAPathRecordsTheImportCalls) {
  TClientUnderTest host;
  ASSERT_NE(host.NewPcbDocument("/boards/import.pcbdoc"), nullptr);
  host::IPCB_ServerInterface* server = ServerInterface(*host.Client);
  ASSERT_NE(server, nullptr);
  host::IPCB_Board* board = nullptr;
  EXPECT_EQ(server->GetBoardByPath("/boards/missing.pcbdoc", &board), host::kFail);
  EXPECT_EQ(board, nullptr);
  ASSERT_EQ(server->GetBoardByPath("/boards/import.pcbdoc", &board), host::kOk);
  PcbHandle handle = 0;
  board->GetBoardHandle(&handle);
  EXPECT_EQ(handle, BoardHandleFromFileName("/boards/import.pcbdoc"));
  void* same = nullptr;
  EXPECT_EQ(board->QueryInterface(host::IID_IPCB_Board, &same), host::kOk);
  EXPECT_EQ(same, board);

  board->SendMessage(0, 0, host::kBoardMessageBeginImport, nullptr);
  board->SetOption("Polygon", false);
  board->SetOption("DRC", true);
  board->SetCurrentLayer(56);
  board->RefreshAfterImport();
  board->AcceptImportedObject(nullptr);
  const standin::TBoard* recorded = standin::RunningPcbServer()->Boards().Find(handle);
  ASSERT_NE(recorded, nullptr);
  EXPECT_EQ(recorded->RecordedCalls(),
            (std::vector<std::string>{"SendMessage(0, 0, 14, none)", "SetOption(Polygon, off)",
                                      "SetOption(DRC, on)", "SetCurrentLayer(56)",
                                      "RefreshAfterImport()", "AcceptImportedObject(none)"}));
  host::IPCB_Object* object = nullptr;
  EXPECT_EQ(server->CreateObject(23, 0, 0, &object), host::kFail) << "no such kind";
  EXPECT_EQ(object, nullptr);
}

}  // namespace
