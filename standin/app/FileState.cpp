#include "app/FileState.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace pcbhost {

bool CanReadFile(const std::string& path, std::string* error) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    if (error) *error = std::strerror(errno);
    return false;
  }
  struct stat info {};
  const bool regular = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
  ::close(fd);
  if (!regular && error) *error = "not a regular file";
  return regular;
}

TFileState::TFileState(const std::string& path) : FPath(path) {
  FExisted = Look(path, FInode, FModified);
}

bool TFileState::WrittenSince() const {
  ino_t inode = 0;
  timespec modified{};
  if (!Look(FPath, inode, modified)) return false;
  if (!FExisted) return true;
  return inode != FInode || modified.tv_sec != FModified.tv_sec ||
         modified.tv_nsec != FModified.tv_nsec;
}

bool TFileState::Look(const std::string& path, ino_t& inode, timespec& modified) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return false;
  inode = info.st_ino;
  modified = info.st_mtim;
  return true;
}

}  // namespace pcbhost
