#include "rtl/HostClient.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {
host::IClient* gClient = nullptr;
}

host::IClient* HostClient() { return gClient; }
void SetHostClient(host::IClient* client) { gClient = client; }

bool HostEscapeKeyDown() {
  bool down = false;
  return gClient && gClient->IsEscapeKeyDown(&down) == host::kOk && down;
}

bool HostConfirmYesNo(std::string_view text) {
  bool yes = false;
  const std::string copy(text);
  return gClient && gClient->ConfirmYesNo(copy.c_str(), &yes) == host::kOk && yes;
}

void HostShowMessage(host::TMessageKind kind, std::string_view caption, std::string_view text) {
  if (!gClient) return;
  const std::string captionCopy(caption);
  const std::string textCopy(text);
  gClient->ShowMessage(kind, captionCopy.c_str(), textCopy.c_str());
}

bool HostRunProcess(std::string_view process, std::string& parameters, uint32_t bufferSize,
                    host::IServerView* view) {
  host::IProcessLauncher* launcher = nullptr;
  if (!gClient || gClient->GetProcessLauncher(&launcher) != host::kOk || !launcher) return false;
  std::vector<char> buffer(std::max<std::size_t>(bufferSize, parameters.size() + 1), '\0');
  std::memcpy(buffer.data(), parameters.data(), parameters.size());
  const std::string name(process);
  const host::HResult status = launcher->RunProcess(name.c_str(), buffer.data(), bufferSize, view);
  buffer.back() = '\0';
  parameters = buffer.data();
  return status == host::kOk;
}
