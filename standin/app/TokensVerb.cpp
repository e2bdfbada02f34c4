// pcbhost tokens DESIGN.dsn: the debug token dump of a design, written beside it (.prs).
#include <filesystem>
#include <vector>

#include "app/ErrorLine.h"
#include "app/ExitCodes.h"
#include "app/FileState.h"
#include "app/SessionSteps.h"
#include "app/Verbs.h"
#include "host/Client.h"

namespace pcbhost {
namespace {

// The dump's name as the plug-in forms it, through the client's own helper.
std::string TokenDumpPath(const std::string& design) {
  std::vector<char> buffer(host::kPathBufferSize, '\0');
  ClientAPI_ForceFileNameExtension(design.c_str(), "prs", buffer.data(), host::kPathBufferSize);
  return buffer.data();
}

}  // namespace

int TokensVerb(const std::string& design) {
  std::string error;
  if (!CanReadFile(design, &error)) {
    PrintError("cannot read " + design + ": " + error);
    return kExitFailed;
  }
  const std::string absolute = std::filesystem::absolute(design).lexically_normal().string();
  const std::string dump = TokenDumpPath(absolute);
  const TFileState before(dump);

  TSessionOptions options;
  options.Answers.push_back(absolute);
  options.Confirm = standin::TConfirmAnswer::No;
  THostSession session;
  if (!session.Start(options, &error)) {
    PrintError(error);
    return kExitFailed;
  }
  if (!session.RunCommand("DebugParseDSN", "")) {
    PrintError("command DebugParseDSN failed on " + absolute);
    return kExitFailed;
  }
  if (!before.WrittenSince()) {
    PrintError("the token dump " + dump + " was not written");
    return kExitFailed;
  }
  TTranslationSummary summary;
  AddOpenedReports(session, summary);
  summary.AddWritten(dump);
  summary.Print();
  return kExitOk;
}

}  // namespace pcbhost
