// The host's "PCB" server as the commands reach it: the module, its server interface, the
// board interface and the editor view of a board's document.
#pragma once

#include <string>

#include "host/PcbServer.h"
#include "rtl/PcbServerAccess.h"

// Starts the "PCB" server when it is not running; the module or nil.
host::IServerModule* StartPcbServerModule();
// The board interface of the board's document, or nil.
host::IPCB_Board* PcbBoardInterface(PcbHandle board);
// The file name in the board's record.
std::string BoardFileName(PcbHandle board);
// The client's open document of the file, or nil.
host::IServerDocument* OpenDocumentOf(const std::string& fileName);
// The "PcbEditor" view of the file's open document, or nil.
host::IServerView* PcbEditorViewOf(const std::string& fileName);
