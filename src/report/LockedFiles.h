// Replacing output files without disturbing another holder's lock, and telling the host
// about files it has open.
#pragma once

#include <string>
#include <string_view>

// Who holds a file: a computer, a user and a process number.
struct TLockHolder {
  std::string ComputerName;
  std::string UserName;
  std::string ProcessID;
};

// This process as a lock holder.
TLockHolder CurrentLockHolder();

// The lock file beside the target: "~$" + the target's name with "_loc" after its extension.
std::string LockFileNameOf(const std::string& target);

// True when the lock file beside the target names another holder (or cannot be read); the
// holder read from it in *holder when given.
bool IsLockedByOther(const std::string& target, TLockHolder* holder = nullptr);

// Moves the finished temporary file onto the target. A target locked by another holder is
// left untouched, the temporary file removed and the locked-file notice given; a document the
// host has open on the target is told before and after. False when the target was not
// replaced. Never deletes the target first.
bool GuardedReplaceFile(const std::string& temporary, const std::string& target);

// Writes the bytes to the target with the same guard; raises when the write fails.
bool GuardedSaveBuffer(std::string_view bytes, const std::string& target);
