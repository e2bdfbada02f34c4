// Runs the built pcbhost in a test's folder, with the plug-in beside it.
#pragma once

#include <string>
#include <vector>

#include "support/ProcessRunner.h"
#include "support/TempFolder.h"

inline TProgramResult RunPcbhost(const TTempFolder& folder, std::vector<std::string> arguments,
                                 TProgramRun run = {}) {
  run.Arguments = {BIN_DIR "/pcbhost"};
  run.Arguments.insert(run.Arguments.end(), arguments.begin(), arguments.end());
  run.WorkingFolder = folder.Root();
  run.Unset.push_back("PCBHOST_PLUGIN");
  return RunProgram(run);
}

inline bool Contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}
