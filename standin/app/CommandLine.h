// The pcbhost command line: verbs, their arguments and options.
#pragma once

namespace pcbhost {

// Parses the arguments, runs the verb and answers the exit status.
int RunCommandLine(int argc, char** argv);

}  // namespace pcbhost
