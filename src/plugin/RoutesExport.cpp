#include "plugin/RoutesExport.h"

#include <memory>

#include "model/files/SpecctraRoutes.h"
#include "rtl/TranslationState.h"
#include "rtl/HostClient.h"
#include "plugin/HostPcbServer.h"
#include "rtl/PcbApiBinding.h"
#include "rtl/PcbBoardCalls.h"
#include "specctra_io/SpecctraWriter.h"

namespace {

constexpr uint8_t kExportMode = 3;

template <class File>
bool ExportFile(const std::string& path, PcbHandle board) {
  ResetTranslationState();
  TranslationState().ImportingDesign = false;
  TranslationState().TranslationMode = kExportMode;
  TSpecctraWriter writer(path);
  File file(board, &writer, path);
  return file.TranslateAndFinish([&] {
    file.ImportFromPcb();
    return file.ExportToFile();
  });
}

}  // namespace

bool ExportRoutes(const std::string& rtePath, PcbHandle board) {
  return ExportFile<TSpecctraRoutes>(rtePath, board);
}

bool ExportSession(const std::string& sesPath, PcbHandle board) {
  return ExportFile<TSpecctraSessionFile>(sesPath, board);
}

std::string CurrentPcbFileName() {
  if (!PcbServerModule()) {
    HostShowMessage(host::TMessageKind::Error, "Error",
                    "This Specctra Interface Server requires the PCB\rserver to be running with a "
                    "PCB file loaded.\rThis server will use the currently active PCB file.");
    return {};
  }
  BindPcbApi();
  const PcbHandle board = CurrentPcbBoard();
  return board ? BoardFileName(board) : std::string();
}
