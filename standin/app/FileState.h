// What pcbhost checks about files around a command: whether it can read an input, and
// whether a command wrote an output (the file is new or was replaced since it was looked at).
#pragma once

#include <sys/types.h>

#include <ctime>
#include <string>

namespace pcbhost {

// True for a regular file that can be opened for reading; else false with a reason.
bool CanReadFile(const std::string& path, std::string* error);

class TFileState {
public:
  // Remembers the file as it is now.
  explicit TFileState(const std::string& path);
  // Whether a regular file exists at the path now that differs from the remembered one.
  bool WrittenSince() const;

private:
  static bool Look(const std::string& path, ino_t& inode, timespec& modified);

  std::string FPath;
  bool FExisted = false;
  ino_t FInode = 0;
  timespec FModified{};
};

}  // namespace pcbhost
