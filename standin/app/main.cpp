// pcbhost: the stand-in PCB host's command line.
#include <exception>
#include <new>

#include "app/CommandLine.h"
#include "app/ErrorLine.h"
#include "app/ExitCodes.h"
#include "app/HeapTuning.h"
#include "app/ProcessEnd.h"

namespace {

int RunGuarded(int argc, char** argv) {
  try {
    return pcbhost::RunCommandLine(argc, argv);
  } catch (const std::bad_alloc&) {
    // Nothing was saved after memory ran out: saves happen after the commands, whole or not
    // at all.
    pcbhost::PrintError("out of memory");
  } catch (const std::exception& error) {
    pcbhost::PrintError(error.what());
  } catch (...) {
    pcbhost::PrintError("unexpected failure");
  }
  return pcbhost::kExitFailed;
}

}  // namespace

int main(int argc, char** argv) {
  pcbhost::RunWithTunedHeap(argv);
  pcbhost::EndProcess(RunGuarded(argc, argv));
}
