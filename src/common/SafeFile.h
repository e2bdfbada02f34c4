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

// A file written piece by piece that replaces the target only once it is complete: the pieces
// go to a temporary file beside the target (an unnamed one where the file system has them),
// which Commit renames over the target. Left uncommitted, nothing of it remains.
class TReplacingFile {
public:
  explicit TReplacingFile(std::string target);
  TReplacingFile(const TReplacingFile&) = delete;
  TReplacingFile& operator=(const TReplacingFile&) = delete;
  ~TReplacingFile();

  // False when no temporary file can be made in the target's folder.
  bool Open(std::string* error = nullptr);
  // False once a write has failed; later writes are then ignored and Commit fails.
  bool Write(std::string_view bytes);
  // Replaces the target; on failure the target is untouched and false returned.
  bool Commit(std::string* error = nullptr);

private:
  bool Fail(std::string* error);
  void Discard();

  std::string FTarget;
  std::string FTemporary;  // the named temporary file, if there is one
  int FDescriptor = -1;
  bool FFailed = false;
  int FErrno = 0;
};

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
