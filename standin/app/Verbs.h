// The verbs of the pcbhost command line. Each answers the process's exit status.
#pragma once

#include <string>
#include <vector>

#include "app/HostSession.h"

namespace pcbhost {

struct TRunOptions {
  // Command names and parameter texts in the order given.
  std::vector<std::string> Items;
  std::vector<std::string> Documents;
  TSessionOptions Session;
  bool Save = true;
};

// One command of a run with its parameter text.
struct TRunCommand {
  std::string Name;
  std::string Parameters;
};

// Groups the items of a run: an item holding '=' (or an empty one) is parameter text of the
// command before it (several are joined with '|'); any other item names the next command.
// False with a reason when there is no command or parameters come before the first one.
bool ParseRunItems(const std::vector<std::string>& items, std::vector<TRunCommand>& commands,
                   std::string* error);

int RunVerb(const TRunOptions& options);
int TokensVerb(const std::string& design);
int CanImportVerb(const std::string& file);
int InfoVerb(const std::string& board, bool json);
int RenderVerb(const std::string& board, const std::string& out);

}  // namespace pcbhost
