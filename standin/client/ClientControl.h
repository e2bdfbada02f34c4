// How the pcbhost application drives the client beyond the host interface: the answers it
// was given for dialogs and confirmations, the progress bar, opening documents, command brackets, the quit
// request, saving at the end of a session, running out of memory, and what the session opened and saved and what its
// boards hold, for the summary that pcbhost prints.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "client/Confirmation.h"
#include "client/ReportLog.h"
#include "host/Client.h"

namespace standin {

class IClientControl {
public:
  virtual ~IClientControl() = default;

  virtual host::IClient* Client() = 0;

  // The next file dialog without an answer takes this path.
  virtual void AddDialogAnswer(std::string path) = 0;
  virtual void SetConfirmAnswer(TConfirmAnswer answer) = 0;

  // Opens the document of the file (kind by its extension) and makes it the current one.
  virtual bool OpenDocument(const std::string& path, std::string* error) = 0;

  // Whether the progress bar may be drawn (on a terminal only, in any case); it may by default.
  virtual void SetProgressShown(bool shown) = 0;

  // Brackets one command: Ctrl-C in between is the Escape key.
  virtual void BeginCommand() = 0;
  virtual void EndCommand() = 0;
  // A process asked the host to end ("Client:QuitFromEDAClient").
  virtual bool QuitRequested() const = 0;

  // Saves every PCB document marked modified; false with the first failure's reason.
  virtual bool SaveModifiedDocuments(std::string* error) = 0;

  // Whether an allocation failed during the session, even one the code that met it recovered
  // from: whatever was built since may be incomplete. Opening and saving documents throw
  // std::bad_alloc when they fail after that; messages the plug-in shows are dropped then.
  virtual bool MemoryRanOut() const = 0;

  // How many objects of each kind (indexed by kind number) the board of the open PCB document
  // of the path holds; false with a reason when no such document is open.
  virtual bool CountBoardObjects(const std::string& path, std::vector<std::size_t>& counts,
                                 std::string* error) = 0;

  // Every report the plug-in opened so far, in order, with the counts it held then.
  virtual const std::vector<TOpenedReport>& OpenedReports() const = 0;
  // The files of the documents and projects saved so far, in order.
  virtual const std::vector<std::string>& SavedFiles() const = 0;
};

// The client of the stand-in host on the process's terminal, exported by libpcbclient.so.
__attribute__((visibility("default"))) std::unique_ptr<IClientControl> CreatePcbClient();

}  // namespace standin
