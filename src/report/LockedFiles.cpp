#include "report/LockedFiles.h"

#include <pwd.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <sstream>
#include <stdexcept>

#include "common/AsciiText.h"
#include "common/SafeFile.h"
#include "rtl/HostClient.h"

namespace {

std::string FileNameWithoutFolder(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string AbsolutePath(const std::string& path) {
  if (!path.empty() && path[0] == '/') return path;
  char folder[PATH_MAX];
  if (!::getcwd(folder, sizeof folder)) return path;
  return std::string(folder) + "/" + path;
}

// The value after "Key" and one separator character on a line beginning with Key.
bool ReadLockValue(const std::string& line, std::string_view key, std::string& value) {
  if (line.size() <= key.size() || CompareTextIgnoringCase(line.substr(0, key.size()), key) != 0)
    return false;
  value = line.substr(key.size() + 1);
  if (!value.empty() && value.back() == '\r') value.pop_back();
  return true;
}

void GiveLockedFileNotice(const std::string& target, const TLockHolder& holder) {
  host::IClient* client = HostClient();
  host::IWorkspace* workspace = nullptr;
  if (!client || client->GetWorkspace(&workspace) != host::kOk || !workspace) return;
  const std::string fullName = AbsolutePath(target);
  const std::string text = FileNameWithoutFolder(target) + " is used by " + holder.UserName +
                           " on " + holder.ComputerName +
                           ". You will not be able to save your changes.";
  const std::string parameters = "FileName=" + fullName;
  workspace->AddMessage("[Locked File]", text.c_str(), "Tarvex Designer", fullName.c_str(),
                        "WorkspaceManager:OpenObject", parameters.c_str());
}

// The host's open document on the file, if any.
host::IServerDocument* OpenDocumentOf(const std::string& target) {
  host::IClient* client = HostClient();
  host::IServerDocument* document = nullptr;
  if (!client) return nullptr;
  const std::string fullName = AbsolutePath(target);
  if (client->GetDocumentByPath(fullName.c_str(), &document) != host::kOk) return nullptr;
  return document;
}

// Runs the replacement between the notices to a document the host has open on the target.
template <class Replace>
bool ReplaceTellingHost(const std::string& target, Replace&& replace) {
  host::IServerDocument* document = OpenDocumentOf(target);
  if (document) document->NotifyFileReplacing();
  const bool replaced = replace();
  if (document) document->NotifyFileReplaced();
  return replaced;
}

}  // namespace

TLockHolder CurrentLockHolder() {
  TLockHolder holder;
  char name[HOST_NAME_MAX + 1] = {};
  if (::gethostname(name, sizeof name - 1) == 0) holder.ComputerName = name;
  if (const passwd* user = ::getpwuid(::geteuid())) holder.UserName = user->pw_name;
  else if (const char* env = std::getenv("USER")) holder.UserName = env;
  holder.ProcessID = std::to_string(::getpid());
  return holder;
}

std::string LockFileNameOf(const std::string& target) {
  const std::size_t slash = target.rfind('/');
  const std::string folder = slash == std::string::npos ? "" : target.substr(0, slash + 1);
  return folder + "~$" + FileNameWithoutFolder(target) + "_loc";
}

bool IsLockedByOther(const std::string& target, TLockHolder* holder) {
  const std::string lockFile = LockFileNameOf(target);
  if (::access(lockFile.c_str(), F_OK) != 0) return false;
  const auto contents = ReadWholeFile(lockFile);
  if (!contents) return true;
  TLockHolder found;
  std::istringstream lines(*contents);
  for (std::string line; std::getline(lines, line);) {
    ReadLockValue(line, "ComputerName", found.ComputerName) ||
        ReadLockValue(line, "UserName", found.UserName) ||
        ReadLockValue(line, "ProcessID", found.ProcessID);
  }
  if (holder) *holder = found;
  const TLockHolder current = CurrentLockHolder();
  return !(SameTextIgnoringCase(found.ComputerName, current.ComputerName) &&
           SameTextIgnoringCase(found.UserName, current.UserName) &&
           SameTextIgnoringCase(found.ProcessID, current.ProcessID));
}

bool GuardedSaveBuffer(std::string_view bytes, const std::string& target) {
  return GuardedReplace(target, [&](std::string& error) {
    return WriteFileReplacing(target, bytes, &error);
  });
}

bool GuardedReplace(const std::string& target,
                    const std::function<bool(std::string& error)>& replace) {
  TLockHolder holder;
  if (IsLockedByOther(target, &holder)) {
    GiveLockedFileNotice(target, holder);
    return false;
  }
  std::string error;
  const bool saved = ReplaceTellingHost(target, [&] { return replace(error); });
  if (!saved) throw std::runtime_error(error);
  return true;
}
