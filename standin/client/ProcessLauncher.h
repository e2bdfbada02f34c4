// The client's process launcher: host processes run by name (letter case ignored), each with
// its parameter buffer and the view it was started for.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "client/ParameterBuffer.h"
#include "host/Client.h"

namespace standin {

class TProcessLauncher final : public host::IProcessLauncher {
public:
  using THandler =
      std::function<host::HResult(TParameterBuffer& parameters, host::IServerView* view)>;

  void Register(std::string name, THandler handler);

  host::HResult QueryInterface(const host::TGuid& iid, void** out) override;
  // Unknown processes fail.
  host::HResult RunProcess(const char* processName, char* parameters, uint32_t bufferSize,
                           host::IServerView* view) override;

  // The processes run so far, each as "Name(parameter text)".
  const std::vector<std::string>& History() const { return FHistory; }

private:
  struct TProcess {
    std::string Name;
    THandler Handler;
  };
  std::vector<TProcess> FProcesses;
  std::vector<std::string> FHistory;
};

}  // namespace standin
