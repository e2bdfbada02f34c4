// The host client, kept process-wide while the server module lives, and the user-interface
// services the translator asks of it. Without a client every question answers no.
#pragma once

#include <string>
#include <string_view>

#include "host/Client.h"

host::IClient* HostClient();
void SetHostClient(host::IClient* client);

bool HostEscapeKeyDown();
bool HostConfirmYesNo(std::string_view text);
void HostShowMessage(host::TMessageKind kind, std::string_view caption, std::string_view text);

// Runs a host process with the parameter text in a buffer of bufferSize bytes; the buffer's
// contents afterwards (the process's results), or nothing when there is no launcher or it fails.
bool HostRunProcess(std::string_view process, std::string& parameters, uint32_t bufferSize,
                    host::IServerView* view = nullptr);
