// A running PCB server of its own for one test (no client), with boards made as new PCB
// documents and the document store to load and save them.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "server/PcbDocumentStore.h"
#include "server/PcbServerModule.h"
#include "server/RunningServer.h"
#include "server/ServerApi.h"

class TServerTest : public testing::Test {
protected:
  void SetUp() override {
    ASSERT_EQ(standin::StartPcbServer(nullptr, &FModule), host::kOk) << "a server already runs";
    void* store = nullptr;
    ASSERT_EQ(FModule->QueryInterface(standin::IID_IPcbDocumentStore, &store), host::kOk);
    FStore = static_cast<standin::IPcbDocumentStore*>(store);
  }
  void TearDown() override {
    if (FModule) FModule->Release();
    FModule = nullptr;
  }

  standin::TPcbServerModule& Server() { return *standin::RunningPcbServer(); }
  standin::TPcbModel& Model() { return Server().Model(); }

  // A new board document at the path; its board handle.
  PcbHandle NewBoard(const std::string& path) {
    host::IServerDocument* document = nullptr;
    if (FModule->NewDocument("PCB", path.c_str(), &document) != host::kOk) return 0;
    return standin::BoardHandleFromFileName(path);
  }
  standin::TBoard& BoardOf(PcbHandle handle) { return *Model().Boards().Find(handle); }

  // The board of the document loaded from the path, 0 when loading failed (the reason in
  // LastError).
  PcbHandle LoadBoard(const std::string& path) {
    host::IServerDocument* document = nullptr;
    if (FStore->LoadDocument(path.c_str(), &document) != host::kOk) return 0;
    return standin::BoardHandleFromFileName(path);
  }
  bool SaveBoard(PcbHandle board) {
    return FStore->SaveDocument(Server().FindDocumentByPath(BoardOf(board).FileName())) ==
           host::kOk;
  }
  void CloseBoard(PcbHandle board) {
    FStore->CloseDocument(Server().FindDocumentByPath(BoardOf(board).FileName()));
  }
  std::string LastError() {
    char text[2048] = {};
    FStore->GetLastError(text, sizeof(text));
    return text;
  }

  // A new object of the kind added to the container; 0 when either step failed.
  PcbHandle AddNew(PcbHandle container, uint8_t kind) {
    const PcbHandle object = standin::api::CreateObject(kind);
    return standin::api::AddObjectToContainer(container, object) == kPcbOk ? object : 0;
  }

private:
  host::IServerModule* FModule = nullptr;
  standin::IPcbDocumentStore* FStore = nullptr;
};
