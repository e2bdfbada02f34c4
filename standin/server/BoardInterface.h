// The board interface the import commands use (messages, options, current layer, the
// follow-up calls after a project import). The stand-in answers each call by recording it on
// the board; a polygon handed over by message 2 stays as it is (no copper is poured).
#pragma once

#include "host/PcbServer.h"

namespace standin {

class TBoard;

class TBoardInterface final : public host::IPCB_Board {
public:
  explicit TBoardInterface(TBoard& board) : FBoard(board) {}

  host::HResult QueryInterface(const host::TGuid& iid, void** out) override;
  host::HResult GetBoardHandle(PcbHandle* handle) override;
  host::HResult GetBoardIdentifier(int32_t* identifier) override;
  host::HResult SendMessage(int32_t target, int32_t source, int32_t message,
                            host::IPCB_Object* data) override;
  host::HResult SetOption(const char* name, bool on) override;
  host::HResult SetCurrentLayer(uint8_t layerNumber) override;
  host::HResult RefreshAfterImport() override;
  host::HResult AcceptImportedObject(host::IUnknownLike* object) override;

private:
  TBoard& FBoard;
};

}  // namespace standin
