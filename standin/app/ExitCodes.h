// Exit statuses of pcbhost.
#pragma once

namespace pcbhost {

// The command ran and produced what the verb expects.
constexpr int kExitOk = 0;
// A command failed, a file could not be read or written, or the expected output is missing.
constexpr int kExitFailed = 1;
// The command line is wrong.
constexpr int kExitUsage = 2;

}  // namespace pcbhost
