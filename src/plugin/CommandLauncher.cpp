#include "plugin/CommandLauncher.h"

#include <exception>

#include "plugin/BoundaryGuard.h"
#include "rtl/HostClient.h"

void TCommandLauncher::AddCommand(const std::string& name, TCommandProcedure procedure,
                                  TCommandStateProcedure stateProcedure) {
  FCommands.emplace(name, TCommandHandler{procedure, stateProcedure});
}

const TCommandHandler* TCommandLauncher::FindCommand(const std::string& name) const {
  const auto found = FCommands.find(name);
  return found == FCommands.end() ? nullptr : &found->second;
}

std::vector<std::string> TCommandLauncher::CommandNames() const {
  std::vector<std::string> names;
  for (const auto& entry : FCommands) names.push_back(entry.first);
  return names;
}

host::HResult TCommandLauncher::LaunchCommand(const char* name, const char* parameters,
                                              int32_t /*reserved*/, void* context) {
  return GuardedCall([&] {
    const TCommandHandler* handler = FindCommand(name ? name : "");
    if (!handler) return host::kOk;
    try {
      handler->Procedure(context, parameters ? parameters : "");
    } catch (const std::exception& error) {
      // The host gets the failure status; the user is told why the command ended.
      HostShowMessage(host::TMessageKind::Error, "Error", error.what());
      throw;
    }
    RefreshHostView();
    return host::kOk;
  });
}

// After a command the focused view refreshes itself; without one the status bar is cleared.
void TCommandLauncher::RefreshHostView() {
  host::IClient* client = HostClient();
  if (!client) return;
  host::IServerView* view = nullptr;
  if (client->GetCurrentView(&view) == host::kOk && view) {
    view->Notify();
    return;
  }
  for (int32_t panel = 1; panel <= 3; ++panel) client->SetStatusText(panel, "");
}

host::HResult TCommandLauncher::GetCommandState(const char* name, const char* parameters,
                                                int32_t* enabled, int32_t* checked,
                                                int32_t* visible, int32_t* captionIndex,
                                                int32_t* imageIndex) {
  return GuardedCall([&] {
    if (!enabled || !checked || !visible || !captionIndex || !imageIndex) return host::kFail;
    *enabled = -1;
    *checked = 0;
    *visible = -1;
    *captionIndex = 0;
    *imageIndex = 0;
    const TCommandHandler* handler = FindCommand(name ? name : "");
    if (handler && handler->StateProcedure)
      handler->StateProcedure(parameters ? parameters : "", enabled, checked, visible,
                              captionIndex, imageIndex);
    return host::kOk;
  });
}
