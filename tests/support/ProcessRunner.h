// Runs a program as a child process and captures what it wrote and how it ended, for tests
// that drive the built executables.
#pragma once

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

struct TProgramRun {
  // The program's path first, then its arguments.
  std::vector<std::string> Arguments;
  // The child's working folder; the caller's when empty.
  std::string WorkingFolder;
  // Fed to standard input through a pipe (so standard input is never a terminal).
  std::string Input;
  // Variables set for the child on top of the caller's environment.
  std::vector<std::pair<std::string, std::string>> Environment;
  // Names removed from the child's environment.
  std::vector<std::string> Unset;
  // A child still running after this many seconds is killed (a hang is a failure, not a
  // measure of speed).
  int KillAfterSeconds = 120;
  // The child's address space limit in bytes (RLIMIT_AS); 0: the caller's.
  std::size_t AddressSpaceLimit = 0;
  // The largest file the child may write, in bytes (RLIMIT_FSIZE; a longer write fails with
  // EFBIG instead of raising SIGXFSZ); 0: the caller's.
  std::size_t FileSizeLimit = 0;
};

struct TProgramResult {
  // The exit status; -1 when the child did not exit normally.
  int ExitCode = -1;
  // The signal that ended the child, or 0.
  int Signal = 0;
  bool Killed = false;
  std::string Out;
  std::string Err;

  // Standard error split into lines (without line ends).
  std::vector<std::string> ErrLines() const;
  std::vector<std::string> OutLines() const;
  // For test messages: the exit and both outputs.
  std::string Describe() const;
};

TProgramResult RunProgram(const TProgramRun& run);

// The text split at LF, a CR before the LF removed; no entry after a final line end.
std::vector<std::string> SplitLines(const std::string& text);
