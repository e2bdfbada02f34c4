#include "common/SafeFile.h"

#include "common/AsciiText.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

void SetError(std::string* error, const std::string& what, const std::string& path) {
  if (error) *error = what + " " + path + ": " + std::strerror(errno);
}

// Closes a descriptor on every path out of a function.
class TFileDescriptor {
public:
  explicit TFileDescriptor(int fd) : fd_(fd) {}
  TFileDescriptor(const TFileDescriptor&) = delete;
  TFileDescriptor& operator=(const TFileDescriptor&) = delete;
  ~TFileDescriptor() { Close(); }
  int Get() const { return fd_; }
  bool Close() {
    if (fd_ < 0) return true;
    const int result = ::close(fd_);
    fd_ = -1;
    return result == 0;
  }

private:
  int fd_;
};

}  // namespace

std::optional<std::string> ReadWholeFile(const std::string& path, std::string* error) {
  TFileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (file.Get() < 0) {
    SetError(error, "cannot open", path);
    return std::nullopt;
  }
  struct stat info {};
  if (::fstat(file.Get(), &info) != 0 || !S_ISREG(info.st_mode)) {
    if (error) *error = "not a regular file: " + path;
    return std::nullopt;
  }
  // Read straight into the result; a file that grows while it is read is still read whole.
  std::string bytes(static_cast<std::size_t>(info.st_size), '\0');
  std::size_t done = 0;
  for (;;) {
    if (done == bytes.size()) bytes.resize(bytes.size() + (1 << 16));
    const ssize_t n = ::read(file.Get(), bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      SetError(error, "cannot read", path);
      return std::nullopt;
    }
    if (n == 0) break;
    done += static_cast<std::size_t>(n);
  }
  bytes.resize(done);
  return bytes;
}

std::string FolderOfPath(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

bool FileExists(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::string CreateTemporaryFileIn(const std::string& folder, const std::string& prefix) {
  std::string pattern = folder + "/" + prefix + "XXXXXX";
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  const int fd = ::mkstemp(name.data());
  if (fd < 0) return {};
  // mkstemp makes the file private to its owner; the target gets the usual permissions.
  const mode_t mask = ::umask(0);
  ::umask(mask);
  ::fchmod(fd, 0666 & ~mask);
  ::close(fd);
  return std::string(name.data());
}

bool MoveFileReplacing(const std::string& temporary, const std::string& target,
                       std::string* error) {
  if (::rename(temporary.c_str(), target.c_str()) == 0) return true;
  SetError(error, "cannot replace", target);
  ::unlink(temporary.c_str());
  return false;
}

bool WriteFileReplacing(const std::string& target, std::string_view bytes, std::string* error) {
  const std::string temporary = CreateTemporaryFileIn(FolderOfPath(target), ".tmp-");
  if (temporary.empty()) {
    SetError(error, "cannot create a temporary file for", target);
    return false;
  }
  TFileDescriptor file(::open(temporary.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC));
  bool written = file.Get() >= 0;
  std::size_t done = 0;
  while (written && done < bytes.size()) {
    const ssize_t n = ::write(file.Get(), bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) written = false;
    else done += static_cast<std::size_t>(n);
  }
  if (!written || !file.Close()) {
    SetError(error, "cannot write", target);
    ::unlink(temporary.c_str());
    return false;
  }
  return MoveFileReplacing(temporary, target, error);
}

std::string FindFileIgnoringCase(const std::string& folder, const std::string& name) {
  if (FileExists(folder + "/" + name)) return folder + "/" + name;
  DIR* directory = ::opendir(folder.c_str());
  if (!directory) return {};
  std::string found;
  while (const dirent* entry = ::readdir(directory)) {
    if (SameTextIgnoringCase(entry->d_name, name) && FileExists(folder + "/" + entry->d_name)) {
      found = folder + "/" + entry->d_name;
      break;
    }
  }
  ::closedir(directory);
  return found;
}
