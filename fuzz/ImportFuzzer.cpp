// libFuzzer target: each input is a design text, imported into a new board of the stand-in PCB
// server in this process, as the import command does (parse, build the board, write the
// report). The design and its report live in a folder in /dev/shm; no board is saved.
#include <stdlib.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <exception>
#include <string>
#include <string_view>

#include "common/SafeFile.h"
#include "host/PcbServer.h"
#include "plugin/DesignImport.h"
#include "report/ReportManager.h"
#include "rtl/PcbApiBinding.h"
#include "rtl/PcbBoardCalls.h"
#include "server/PcbDocumentStore.h"
#include "server/exports/KelvaneExports.h"

namespace {

struct TFuzzHost {
  host::IServerModule* Module = nullptr;
  standin::IPcbDocumentStore* Store = nullptr;
  std::string Folder;
};

TFuzzHost gHost;

// The folder the script names, else a new one in /dev/shm (memory, not disk).
std::string WorkFolder() {
  if (const char* named = std::getenv("SPECCTRAIF_FUZZ_FOLDER")) return named;
  std::string pattern = "/dev/shm/specctraif-fuzz-XXXXXX";
  return ::mkdtemp(pattern.data()) ? pattern : "";
}

void RemoveWorkFiles() {
  for (const char* name : {"/design.dsn", "/design.rpt"})
    ::unlink((gHost.Folder + name).c_str());
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  gHost.Folder = WorkFolder();
  if (gHost.Folder.empty() || !BindPcbApi() ||
      Kelvane_StartPcbServer(nullptr, &gHost.Module) != host::kOk)
    ::abort();
  void* store = nullptr;
  if (gHost.Module->QueryInterface(standin::IID_IPcbDocumentStore, &store) != host::kOk) ::abort();
  gHost.Store = static_cast<standin::IPcbDocumentStore*>(store);
  SetReportEnabled(true);
  ::atexit(RemoveWorkFiles);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string design = gHost.Folder + "/design.dsn";
  const std::string board = gHost.Folder + "/board.pcbdoc";
  if (!WriteFileReplacing(design, std::string_view(reinterpret_cast<const char*>(data), size)))
    ::abort();
  host::IServerDocument* document = nullptr;
  if (gHost.Module->NewDocument("PCB", board.c_str(), &document) != host::kOk) ::abort();
  try {
    ParseAndBuild(design, PcbBoardFromFileName(board));
  } catch (const std::exception&) {
    // The translator's hard faults (a resolution of 0, a missing included file) raise by
    // design and end at the host boundary, as they do here.
  }
  gHost.Store->CloseDocument(document);
  return 0;
}
