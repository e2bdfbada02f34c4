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

// Copies a design of the fixtures into the folder (under another name when given); its path.
inline std::string CopyDesign(const TTempFolder& folder, const std::string& name,
                              const std::string& as = "") {
  return folder.Write(as.empty() ? name : as, TTempFolder::Read(FIXTURES_DIR "/designs/" + name));
}

inline bool Contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}
