// The module's command table: command names (letter case ignored) and their procedures.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "common/AsciiText.h"
#include "host/Client.h"

// A command procedure: the host's context value (unused here) and the parameter text.
using TCommandProcedure = void (*)(void* context, const char* parameters);
using TCommandStateProcedure = void (*)(const char* parameters, int32_t* enabled,
                                        int32_t* checked, int32_t* visible,
                                        int32_t* captionIndex, int32_t* imageIndex);

struct TCommandHandler {
  TCommandProcedure Procedure = nullptr;
  TCommandStateProcedure StateProcedure = nullptr;
};

class TCommandLauncher final : public host::ICommandLauncher {
public:
  explicit TCommandLauncher(std::string moduleName) : FModuleName(std::move(moduleName)) {}

  // Adds the command; a name already present (letter case ignored) keeps its first handler.
  void AddCommand(const std::string& name, TCommandProcedure procedure,
                  TCommandStateProcedure stateProcedure = nullptr);
  const TCommandHandler* FindCommand(const std::string& name) const;
  // The registered names, sorted without regard to letter case.
  std::vector<std::string> CommandNames() const;

  host::HResult LaunchCommand(const char* name, const char* parameters, int32_t reserved,
                              void* context) override;
  host::HResult GetCommandState(const char* name, const char* parameters, int32_t* enabled,
                                int32_t* checked, int32_t* visible, int32_t* captionIndex,
                                int32_t* imageIndex) override;

private:
  void RefreshHostView();

  std::string FModuleName;
  std::map<std::string, TCommandHandler, TLessIgnoringCase> FCommands;
};
