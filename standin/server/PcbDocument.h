// A PCB document of the "PCB" server: a board with its editor view. Kind "PCB", or "NAVRO"
// for a document the router works on. The file name and the modified state are the board's.
#pragma once

#include <string>

#include "host/Client.h"
#include "server/PcbEditorView.h"

namespace standin {

class TBoard;

class TPcbDocument final : public host::IServerDocument {
public:
  TPcbDocument(host::IClient* client, std::string kind, TBoard& board);

  host::HResult QueryInterface(const host::TGuid& iid, void** out) override;
  host::HResult GetFileName(char* buffer, uint32_t size) override;
  host::HResult SetFileName(const char* path) override;
  host::HResult GetKind(char* buffer, uint32_t size) override;
  host::HResult GetView(const char* viewKind, host::IServerView** view) override;
  host::HResult SetModified(bool modified) override;
  host::HResult GetModified(bool* modified) override;
  host::HResult Focus() override;
  host::HResult NotifyFileReplacing() override;
  host::HResult NotifyFileReplaced() override;

  TBoard& Board() { return FBoard; }
  const std::string& Kind() const { return FKind; }
  TPcbEditorView& View() { return FView; }

private:
  host::IClient* FClient;
  std::string FKind;
  TBoard& FBoard;
  TPcbEditorView FView;
};

}  // namespace standin
