// How pcbhost ends. A verb's host session holds the whole board and the plug-in, and tearing
// them down object by object takes a noticeable share of a run on a big board, for memory the
// process gives back as it ends anyway. So a finished session is left standing, and the
// process ends without running destructors once its output is flushed. Sanitizer builds tear
// everything down, so that leaks still show.
#pragma once

namespace pcbhost {

// Whether a finished session is left standing for the end of the process.
bool SessionsLeftToProcessEnd();

// Ends the process with the exit code, standard output and error flushed.
[[noreturn]] void EndProcess(int code);

}  // namespace pcbhost
