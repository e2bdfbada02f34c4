// Writing a board's routing as a Specctra routes or session file.
#pragma once

#include <string>

#include "host/PcbApi.h"

bool ExportRoutes(const std::string& rtePath, PcbHandle board);
bool ExportSession(const std::string& sesPath, PcbHandle board);

// The file name of the current board; empty without one. Without a running "PCB" server the
// user is told that one is needed.
std::string CurrentPcbFileName();
