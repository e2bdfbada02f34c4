// Replacing output files without disturbing another holder's lock, and telling the host
// about files it has open.
#pragma once

#include <functional>
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

// Writes the bytes to the target through a temporary file renamed over it. A target locked by
// another holder is left untouched and the locked-file notice given; a document the host has
// open on the target is told before and after. False when the target was locked; raises when
// the write fails. Never deletes the target first.
bool GuardedSaveBuffer(std::string_view bytes, const std::string& target);

// The same guard around a replacement made by the caller: replace puts the new file in place
// of the target (error text in its argument when it fails). A target locked by another holder
// is left untouched (replace is not called) and the notice given; false then. Raises when
// replace fails.
bool GuardedReplace(const std::string& target,
                    const std::function<bool(std::string& error)>& replace);
