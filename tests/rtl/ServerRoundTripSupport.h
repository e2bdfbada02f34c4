// A running PCB server (libkelvane.so, linked into server_tests) with one board document, for
// round trips through the plug-in's host access wrappers, which bind the library by name.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "rtl/PcbApiBinding.h"
#include "rtl/PcbBoardCalls.h"
#include "rtl/PcbObjectCalls.h"
#include "host/PcbServer.h"
#include "server/PcbDocumentStore.h"
#include "server/exports/KelvaneExports.h"
#include "support/TempFolder.h"

class TServerRoundTrip : public testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(BindPcbApi()) << "server_tests links libkelvane.so";
    ASSERT_EQ(Kelvane_StartPcbServer(nullptr, &FModule), host::kOk);
    void* store = nullptr;
    ASSERT_EQ(FModule->QueryInterface(standin::IID_IPcbDocumentStore, &store), host::kOk);
    FStore = static_cast<standin::IPcbDocumentStore*>(store);
    Board = NewBoard("board.pcbdoc");
    ASSERT_NE(Board, 0u);
  }
  void TearDown() override {
    if (FModule) FModule->Release();
  }

  PcbHandle NewBoard(const std::string& name) {
    host::IServerDocument* document = nullptr;
    const std::string path = Folder.Path(name);
    if (FModule->NewDocument("PCB", path.c_str(), &document) != host::kOk) return 0;
    return PcbBoardFromFileName(path);
  }
  // The document of the board file: saved (true when written) or loaded (its board, or 0).
  bool Save(const std::string& name) {
    host::IServerDocument* document = nullptr;
    return FStore->LoadDocument(Folder.Path(name).c_str(), &document) == host::kOk &&
           FStore->SaveDocument(document) == host::kOk;
  }
  PcbHandle Load(const std::string& name) {
    host::IServerDocument* document = nullptr;
    if (FStore->LoadDocument(Folder.Path(name).c_str(), &document) != host::kOk) return 0;
    return PcbBoardFromFileName(Folder.Path(name));
  }

  host::IPCB_ServerInterface* ServerInterface() {
    void* found = nullptr;
    FModule->QueryInterface(host::IID_IPCB_ServerInterface, &found);
    return static_cast<host::IPCB_ServerInterface*>(found);
  }

  // A new object of the kind added to the container; 0 when either step failed.
  static PcbHandle AddNew(PcbHandle container, uint8_t kind) {
    const PcbHandle object = CreatePcbObject(kind);
    return AddPcbObjectToContainer(container, object) == kPcbOk ? object : 0;
  }

  TTempFolder Folder;
  PcbHandle Board = 0;

private:
  host::IServerModule* FModule = nullptr;
  standin::IPcbDocumentStore* FStore = nullptr;
};
