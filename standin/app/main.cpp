// pcbhost: the stand-in PCB host's command line.
#include <exception>

#include "app/CommandLine.h"
#include "app/ErrorLine.h"
#include "app/ExitCodes.h"

int main(int argc, char** argv) {
  try {
    return pcbhost::RunCommandLine(argc, argv);
  } catch (const std::exception& error) {
    pcbhost::PrintError(error.what());
  } catch (...) {
    pcbhost::PrintError("unexpected failure");
  }
  return pcbhost::kExitFailed;
}
