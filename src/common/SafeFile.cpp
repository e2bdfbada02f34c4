#include "common/SafeFile.h"

#include "common/AsciiText.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
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

// Fills the buffer from the file until its end; when growing, the buffer grows past its size
// as long as the file goes on. The buffer is cut to what was read. False on a read error.
bool ReadIntoBuffer(int descriptor, std::string& bytes, bool growing) {
  std::size_t done = 0;
  for (;;) {
    if (done == bytes.size()) {
      if (!growing) return true;
      bytes.resize(bytes.size() + (1 << 16));
    }
    const ssize_t n = ::read(descriptor, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) break;
    done += static_cast<std::size_t>(n);
  }
  bytes.resize(done);
  return true;
}

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
  // Read straight into the result, with one byte to spare so that the read that finds the end
  // needs no larger buffer; a file that grows while it is read is still read whole.
  std::string bytes(static_cast<std::size_t>(info.st_size) + 1, '\0');
  if (!ReadIntoBuffer(file.Get(), bytes, true)) {
    SetError(error, "cannot read", path);
    return std::nullopt;
  }
  return bytes;
}

std::optional<std::string> ReadFileStart(const std::string& path, std::size_t count,
                                         std::string* error) {
  TFileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (file.Get() < 0) {
    SetError(error, "cannot open", path);
    return std::nullopt;
  }
  std::string bytes(count, '\0');
  if (!ReadIntoBuffer(file.Get(), bytes, false)) {
    SetError(error, "cannot read", path);
    return std::nullopt;
  }
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

namespace {

// Temporary names carry their writer's process id ("PREFIX<pid>-..."), so that a later save
// can tell the leftovers of a writer that was killed from the files of one still writing.
std::string PrefixOfThisProcess(const std::string& prefix) {
  return prefix + std::to_string(::getpid()) + "-";
}

// The process id in a temporary name of the prefix; 0 when the name is not one.
pid_t WriterOf(std::string_view name, std::string_view prefix) {
  if (!name.starts_with(prefix)) return 0;
  name.remove_prefix(prefix.size());
  pid_t pid = 0;
  std::size_t digits = 0;
  for (; digits < name.size() && digits < 9 && name[digits] >= '0' && name[digits] <= '9';
       ++digits)
    pid = pid * 10 + (name[digits] - '0');
  const bool separated = digits > 0 && digits < name.size() && name[digits] == '-';
  return separated ? pid : 0;
}

bool ProcessIsGone(pid_t pid) { return ::kill(pid, 0) != 0 && errno == ESRCH; }

// Removes the temporary files of the prefix in the folder whose writers no longer run.
void RemoveStaleTemporaryFiles(const std::string& folder, const std::string& prefix) {
  DIR* directory = ::opendir(folder.c_str());
  if (!directory) return;
  const int savedErrno = errno;
  while (const dirent* entry = ::readdir(directory)) {
    const pid_t writer = WriterOf(entry->d_name, prefix);
    if (writer > 0 && writer != ::getpid() && ProcessIsGone(writer))
      ::unlinkat(::dirfd(directory), entry->d_name, 0);
  }
  ::closedir(directory);
  errno = savedErrno;
}

bool WriteAll(int fd, std::string_view bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

// Gives the finished unnamed file a temporary name beside the target (to be renamed over it:
// a link cannot replace a file). Empty when the file cannot be linked.
std::string LinkUnnamedFile(int fd, const std::string& folder, const std::string& prefix) {
  static std::atomic<unsigned> counter{0};
  const std::string source = "/proc/self/fd/" + std::to_string(fd);
  for (int attempt = 0; attempt < 100; ++attempt) {
    const std::string name =
        folder + "/" + PrefixOfThisProcess(prefix) + "l" + std::to_string(counter++);
    if (::linkat(AT_FDCWD, source.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0)
      return name;
    if (errno != EEXIST) return {};
  }
  return {};
}

// Copies the whole of the unnamed file into a new named temporary file; its path, or empty.
std::string CopyToNamedFile(int fd, const std::string& folder) {
  const std::string temporary = CreateTemporaryFileIn(folder, ".tmp-");
  if (temporary.empty()) return {};
  TFileDescriptor copy(::open(temporary.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC));
  std::vector<char> buffer(1 << 16);
  bool copied = copy.Get() >= 0;
  for (off_t offset = 0; copied;) {
    const ssize_t n = ::pread(fd, buffer.data(), buffer.size(), offset);
    if (n < 0 && errno == EINTR) continue;
    if (n == 0) break;
    copied = n > 0 && WriteAll(copy.Get(), std::string_view(buffer.data(), std::size_t(n)));
    offset += n;
  }
  if (!copied || !copy.Close()) {
    const int savedErrno = errno;
    ::unlink(temporary.c_str());
    errno = savedErrno;
    return {};
  }
  return temporary;
}

}  // namespace

TReplacingFile::TReplacingFile(std::string target) : FTarget(std::move(target)) {}

TReplacingFile::~TReplacingFile() { Discard(); }

void TReplacingFile::Discard() {
  if (FDescriptor >= 0) ::close(FDescriptor);
  FDescriptor = -1;
  if (!FTemporary.empty()) ::unlink(FTemporary.c_str());
  FTemporary.clear();
}

bool TReplacingFile::Fail(std::string* error) {
  if (!FFailed) FErrno = errno;
  FFailed = true;
  Discard();
  errno = FErrno;
  SetError(error, "cannot write", FTarget);
  return false;
}

bool TReplacingFile::Open(std::string* error) {
  Discard();
  FFailed = false;
  const std::string folder = FolderOfPath(FTarget);
  RemoveStaleTemporaryFiles(folder, ".tmp-");
  FDescriptor = ::open(folder.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0666);
  if (FDescriptor >= 0) return true;
  FTemporary = CreateTemporaryFileIn(folder, ".tmp-");
  if (!FTemporary.empty())
    FDescriptor = ::open(FTemporary.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
  return FDescriptor >= 0 || Fail(error);
}

bool TReplacingFile::Write(std::string_view bytes) {
  if (FFailed || FDescriptor < 0) return false;
  if (WriteAll(FDescriptor, bytes)) return true;
  Fail(nullptr);
  return false;
}

bool TReplacingFile::Commit(std::string* error) {
  if (FFailed || FDescriptor < 0) return Fail(error);
  if (FTemporary.empty()) {
    const std::string folder = FolderOfPath(FTarget);
    FTemporary = LinkUnnamedFile(FDescriptor, folder, ".tmp-");
    if (FTemporary.empty()) FTemporary = CopyToNamedFile(FDescriptor, folder);
    if (FTemporary.empty()) return Fail(error);
  }
  const int descriptor = FDescriptor;
  FDescriptor = -1;
  if (::close(descriptor) != 0) return Fail(error);
  const std::string temporary = std::move(FTemporary);
  FTemporary.clear();
  return MoveFileReplacing(temporary, FTarget, error);
}

std::string CreateTemporaryFileIn(const std::string& folder, const std::string& prefix) {
  RemoveStaleTemporaryFiles(folder, prefix);
  std::string pattern = folder + "/" + PrefixOfThisProcess(prefix) + "XXXXXX";
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
  TReplacingFile file(target);
  if (!file.Open(error)) return false;
  file.Write(bytes);
  return file.Commit(error);
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
