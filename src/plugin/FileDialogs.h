// The host's file dialogs the commands ask with. Each proposes the path and, when the user
// confirms, answers true with the chosen file in path; otherwise false and path unchanged.
#pragma once

#include <string>

bool AskDesignFile(std::string& path);
bool AskDoFile(std::string& path);
bool AskNewDesignFile(std::string& path);
bool AskRouteFile(std::string& path);
bool AskNewRouteFile(std::string& path);
bool AskNewSessionFile(std::string& path);
