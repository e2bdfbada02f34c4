#include "client/ProcessLauncher.h"

#include "common/AsciiText.h"

namespace standin {

void TProcessLauncher::Register(std::string name, THandler handler) {
  FProcesses.push_back({std::move(name), std::move(handler)});
}

host::HResult TProcessLauncher::QueryInterface(const host::TGuid& iid, void** out) {
  if (!out) return host::kFail;
  *out = nullptr;
  if (!(iid == host::IID_IProcessLauncher)) return host::kFail;
  *out = static_cast<host::IProcessLauncher*>(this);
  return host::kOk;
}

host::HResult TProcessLauncher::RunProcess(const char* processName, char* parameters,
                                           uint32_t bufferSize, host::IServerView* view) {
  if (!processName) return host::kFail;
  TParameterBuffer buffer(parameters, bufferSize);
  FHistory.push_back(std::string(processName) + "(" + buffer.Text() + ")");
  for (TProcess& process : FProcesses)
    if (SameTextIgnoringCase(process.Name, processName)) return process.Handler(buffer, view);
  return host::kFail;
}

}  // namespace standin
