// A stand-in client on a fake terminal, bound to the PCB server linked into the tests.
#pragma once

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "client/Client.h"
#include "server/Progress.h"
#include "server/RunningServer.h"
#include "standin/FakeTerminal.h"

struct TClientUnderTest {
  TFakeTerminal Terminal;
  // The time the client's progress bar reads; tests move it on.
  std::chrono::steady_clock::time_point Now = std::chrono::steady_clock::time_point{} +
                                              std::chrono::hours(1);
  std::unique_ptr<standin::TClient> Client = std::make_unique<standin::TClient>(
      Terminal, standin::TPcbServerLibrary{standin::StartPcbServer, standin::SetProgressSink},
      [this] { return Now; });

  // Runs a process with the parameter text in a buffer of the size; the status and the
  // buffer's text afterwards.
  std::pair<host::HResult, std::string> Run(const char* process, const std::string& parameters,
                                            uint32_t size = 4096,
                                            host::IServerView* view = nullptr) {
    std::vector<char> buffer(std::max<std::size_t>(size, parameters.size() + 1), '\0');
    std::copy(parameters.begin(), parameters.end(), buffer.begin());
    const host::HResult status = Client->Launcher().RunProcess(process, buffer.data(), size, view);
    return {status, std::string(buffer.data())};
  }

  host::IServerDocument* NewPcbDocument(const std::string& path, const char* kind = "PCB") {
    host::IServerDocument* document = nullptr;
    if (Client->CreateDocument(kind, path.c_str(), path.c_str(), 0, &document) != host::kOk)
      return nullptr;
    return document;
  }
};
