// translate_design DESIGN: parses the design and builds it on a new board of the stand-in PCB
// server in this process, as an import does, without saving the board. Prints the seconds the
// translation took and the objects on the board: the translator and the server measured apart
// from the board document and the pcbhost verbs.
#include <chrono>
#include <cstdio>
#include <exception>
#include <string>

#include "host/PcbServer.h"
#include "plugin/DesignImport.h"
#include "report/ReportManager.h"
#include "rtl/PcbApiBinding.h"
#include "rtl/PcbBoardCalls.h"
#include "server/PcbDocumentStore.h"
#include "server/exports/KelvaneExports.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: translate_design DESIGN\n");
    return 2;
  }
  host::IServerModule* module = nullptr;
  if (!BindPcbApi() || Kelvane_StartPcbServer(nullptr, &module) != host::kOk) {
    std::fprintf(stderr, "translate_design: the PCB server did not start\n");
    return 1;
  }
  const std::string design = argv[1];
  const std::string board = design + ".translate.pcbdoc";
  host::IServerDocument* document = nullptr;
  if (module->NewDocument("PCB", board.c_str(), &document) != host::kOk) return 1;
  SetReportEnabled(true);
  const auto start = std::chrono::steady_clock::now();
  bool built = false;
  try {
    built = ParseAndBuild(design, PcbBoardFromFileName(board));
  } catch (const std::exception& error) {
    std::fprintf(stderr, "translate_design: %s\n", error.what());
  }
  const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
  std::printf("%s in %.3f s\n", built ? "built" : "failed", seconds.count());
  return built ? 0 : 1;
}
