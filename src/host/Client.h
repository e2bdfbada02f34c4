// The host client as the plug-in sees it: COM-style interfaces without reference counting.
// Every method answers a 32-bit status (kOk on success); values come back through out
// arguments. Strings are zero-terminated 8-bit byte strings; strings that come back are
// written into a caller's buffer of the given size (always zero-terminated, cut to fit).
#pragma once

#include <cstdint>

#include "host/Guid.h"

namespace host {

using HResult = int32_t;
constexpr HResult kOk = 0;
constexpr HResult kFail = 1;
constexpr HResult kUnexpected = static_cast<HResult>(0x8000FFFFu);

// Buffer size for paths and names that cross the boundary.
constexpr uint32_t kPathBufferSize = 4096;

class IClient;
class IServerDocument;
class IServerView;

// Any interface that can be asked for another one it also offers.
class IUnknownLike {
public:
  virtual HResult QueryInterface(const TGuid& iid, void** out) = 0;

protected:
  ~IUnknownLike() = default;
};

// The view of a document of one kind ("PcbEditor" for a board).
class IServerView : public IUnknownLike {
public:
  virtual HResult GetKind(char* buffer, uint32_t size) = 0;
  virtual HResult GetDocument(IServerDocument** document) = 0;
  // The host's own refresh after a command ran with this view focused.
  virtual HResult Notify() = 0;

protected:
  ~IServerView() = default;
};

// An open document of the client (a board, a report, a project file, ...).
class IServerDocument : public IUnknownLike {
public:
  virtual HResult GetFileName(char* buffer, uint32_t size) = 0;
  virtual HResult SetFileName(const char* path) = 0;
  virtual HResult GetKind(char* buffer, uint32_t size) = 0;
  virtual HResult GetView(const char* viewKind, IServerView** view) = 0;
  virtual HResult SetModified(bool modified) = 0;
  virtual HResult GetModified(bool* modified) = 0;
  virtual HResult Focus() = 0;
  // Told before and after the document's file is replaced on disk.
  virtual HResult NotifyFileReplacing() = 0;
  virtual HResult NotifyFileReplaced() = 0;

protected:
  ~IServerDocument() = default;
};

class ICommandLauncher {
public:
  // Runs a command by name (letter case ignored); an unknown name does nothing.
  virtual HResult LaunchCommand(const char* name, const char* parameters, int32_t reserved,
                                void* context) = 0;
  // The command's state for the host's menus: enabled, checked, visible, caption, image.
  virtual HResult GetCommandState(const char* name, const char* parameters, int32_t* enabled,
                                  int32_t* checked, int32_t* visible, int32_t* captionIndex,
                                  int32_t* imageIndex) = 0;

protected:
  ~ICommandLauncher() = default;
};

// A server module: a plug-in ("SpecctraIF") or a host server ("PCB").
class IServerModule : public IUnknownLike {
public:
  virtual HResult GetModuleName(char* buffer, uint32_t size) = 0;
  virtual HResult GetClient(IClient** client) = 0;
  virtual HResult GetCommandLauncher(ICommandLauncher** launcher) = 0;
  // A new document of this server's kind ("PCB", "NAVRO") under the path; none when refused.
  virtual HResult NewDocument(const char* kind, const char* path, IServerDocument** document) = 0;
  virtual HResult DocumentCount(int32_t* count) = 0;
  virtual HResult DocumentAt(int32_t index, IServerDocument** document) = 0;
  virtual HResult ProcessIdle() = 0;
  // The host is done with the module; it frees itself.
  virtual HResult Release() = 0;

protected:
  ~IServerModule() = default;
};

// {8452C443-703F-4881-B7AC-C33550794AA6}
inline constexpr TGuid IID_IProcessLauncher{0x8452C443, 0x703F, 0x4881,
                                            {0xB7, 0xAC, 0xC3, 0x35, 0x50, 0x79, 0x4A, 0xA6}};

// Runs host processes by name ("Client:RunCommonDialog", "PCB:Zoom", ...). The buffer holds
// the parameter text and may receive results, up to bufferSize bytes with the terminator.
class IProcessLauncher : public IUnknownLike {
public:
  virtual HResult RunProcess(const char* processName, char* parameters, uint32_t bufferSize,
                             IServerView* view) = 0;

protected:
  ~IProcessLauncher() = default;
};

class IProject {
public:
  virtual HResult GetPath(char* buffer, uint32_t size) = 0;
  virtual HResult AddDocument(const char* path) = 0;
  virtual HResult DocumentCount(int32_t* count) = 0;
  virtual HResult DocumentPathAt(int32_t index, char* buffer, uint32_t size) = 0;
  // The host's own preparation of the project before it is saved.
  virtual HResult PrepareForSave() = 0;

protected:
  ~IProject() = default;
};

class IWorkspace {
public:
  virtual HResult FindProject(const char* path, IProject** project) = 0;
  virtual HResult OpenProject(const char* path, IProject** project) = 0;
  virtual HResult AddMessage(const char* category, const char* text, const char* source,
                             const char* fileName, const char* action,
                             const char* actionParameters) = 0;

protected:
  ~IWorkspace() = default;
};

enum class TMessageKind : int32_t { Plain = 0, Information = 1, Warning = 2, Error = 3 };

class IClient {
public:
  virtual HResult GetServerModule(const char* name, IServerModule** module) = 0;
  virtual HResult StartServer(const char* name) = 0;

  virtual HResult CreateDocument(const char* kind, const char* fileName, const char* caption,
                                 int32_t reserved, IServerDocument** document) = 0;
  virtual HResult GetDocumentByPath(const char* path, IServerDocument** document) = 0;
  virtual HResult OpenDocument(const char* kind, const char* path,
                               IServerDocument** document) = 0;
  virtual HResult GetDocumentKind(const char* path, char* buffer, uint32_t size) = 0;
  virtual HResult GetDefaultExtension(const char* kind, char* buffer, uint32_t size) = 0;
  virtual HResult ShowDocument(IServerDocument* document) = 0;
  virtual HResult CloseDocument(IServerDocument* document) = 0;

  virtual HResult GetCurrentView(IServerView** view) = 0;
  virtual HResult GetMainWindowHandle(uintptr_t* handle) = 0;
  virtual HResult SetStatusText(int32_t panel, const char* text) = 0;
  virtual HResult GetProcessLauncher(IProcessLauncher** launcher) = 0;
  // The workspace of the "WorkspaceManager" library ("GetWorkspace").
  virtual HResult GetWorkspace(IWorkspace** workspace) = 0;

  // User-interface services a desktop host shows in its windows.
  virtual HResult ShowMessage(TMessageKind kind, const char* caption, const char* text) = 0;
  virtual HResult ConfirmYesNo(const char* text, bool* yes) = 0;
  virtual HResult IsEscapeKeyDown(bool* down) = 0;

protected:
  ~IClient() = default;
};

}  // namespace host

// File helpers exported by the client library and bound by name ("ClientAPI_*"). Each writes
// a zero-terminated result into the buffer and answers its length; 0 for an empty result.
extern "C" {
bool ClientAPI_ExistSpecific(const char* path);
// The file's name with its extension and no folder.
uint32_t ClientAPI_ExtractFileNameFromPath(const char* path, char* buffer, uint32_t size);
// The whole path, folder included.
uint32_t ClientAPI_ExtractWholeFileNameFromPath(const char* path, char* buffer, uint32_t size);
// The path with its extension replaced (or added); the extension is given without dot.
uint32_t ClientAPI_ForceFileNameExtension(const char* path, const char* extension, char* buffer,
                                          uint32_t size);
}
