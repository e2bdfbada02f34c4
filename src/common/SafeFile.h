// Whole-file reads and writes that never leave a half-written target: the bytes go to a
// temporary file in the target's folder, which is then renamed over the target. A process
// killed while it writes leaves nothing behind: the temporary file has no name until it is
// complete, or (where the file system has no unnamed files) the next save removes it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// The file's bytes, or nothing when it cannot be read (error text in *error when given).
std::optional<std::string> ReadWholeFile(const std::string& path, std::string* error = nullptr);
// At most the first count bytes of the file (fewer when it is shorter), or nothing when it
// cannot be read.
std::optional<std::string> ReadFileStart(const std::string& path, std::size_t count,
                                         std::string* error = nullptr);

// Writes the bytes to a new temporary file beside the target and renames it over the target.
// On failure the target is untouched, the temporary file removed, and false returned.
// Temporary files ".tmp-<pid>-..." left in the folder by processes that no longer run are
// removed first.
bool WriteFileReplacing(const std::string& target, std::string_view bytes,
                        std::string* error = nullptr);

// A new, empty temporary file in the folder named "<prefix><pid>-XXXXXX"; its path, or empty
// on failure. Files of the prefix left there by processes that no longer run are removed.
std::string CreateTemporaryFileIn(const std::string& folder, const std::string& prefix);

// Renames the finished temporary file over the target; removes it when that fails.
bool MoveFileReplacing(const std::string& temporary, const std::string& target,
                       std::string* error = nullptr);

std::string FolderOfPath(const std::string& path);
bool FileExists(const std::string& path);
// The path of the file in the folder whose name equals the name ignoring ASCII letter case
// (the name itself when it exists as given); empty when there is none.
std::string FindFileIgnoringCase(const std::string& folder, const std::string& name);
