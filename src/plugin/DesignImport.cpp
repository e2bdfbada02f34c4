#include "plugin/DesignImport.h"

#include <memory>

#include "model/base/BoardHelpers.h"
#include "model/files/SpecctraDesign.h"
#include "rtl/TranslationState.h"
#include "plugin/HostPcbServer.h"
#include "report/ReportManager.h"
#include "rtl/PcbApiBinding.h"
#include "specctra_io/SpecctraParser.h"

namespace {

void StartDesignTranslation() {
  ResetTranslationState();
  TranslationState().ImportingDesign = true;
  TranslationState().TranslationMode = 0;
  SetFreePrimitiveFlag(false);
}

// A design being read: the parser on its file and the design object over the board.
struct TDesignRun {
  TDesignRun(const std::string& dsnPath, PcbHandle board)
      : Parser(std::make_unique<TSpecctraParser>(dsnPath)) {
    RegisterKeywords(*Parser);
    Design = std::make_unique<TSpecctraDesign>(board, Parser.get(), dsnPath);
  }
  // The file's bytes are freed between reading and building: the board needs only the
  // design objects.
  bool LoadAndExport() {
    if (!Design->LoadFromFile()) return false;
    Parser->ReleaseInput();
    return Design->ExportToPcb();
  }

  std::unique_ptr<TSpecctraParser> Parser;
  std::unique_ptr<TSpecctraDesign> Design;
};

template <class Step>
void AttemptQuietly(Step&& step) noexcept {
  try {
    step();
  } catch (...) {
    // Nothing to do: the step's failure leaves the board as the import left it.
  }
}

// Restores the board after an import, also when the import raised: the options back on, the
// batch closed, the view fitted.
class TImportBracket {
public:
  TImportBracket(host::IPCB_ServerInterface* server, host::IPCB_Board& board)
      : FServer(server), FBoard(board) {
    FBoard.SendMessage(0, 0, host::kBoardMessageBeginImport, nullptr);
    if (FServer) FServer->PreProcess();
    FBoard.SetOption("Polygon", false);
    FBoard.SetOption("DRC", false);
  }
  TImportBracket(const TImportBracket&) = delete;
  TImportBracket& operator=(const TImportBracket&) = delete;
  // Each step is taken even when one before it raised, and nothing escapes: the import may be
  // unwinding already (out of memory, for instance).
  ~TImportBracket() {
    AttemptQuietly([this] {
      if (!FOptionsRestored) RestoreOptions();
    });
    AttemptQuietly([this] {
      if (FServer) FServer->PostProcess();
    });
    AttemptQuietly([] { ZoomToDocument(); });
  }
  void RestoreOptions() {
    FBoard.SetOption("Polygon", true);
    FBoard.SetOption("DRC", true);
    FOptionsRestored = true;
  }

private:
  host::IPCB_ServerInterface* FServer;
  host::IPCB_Board& FBoard;
  bool FOptionsRestored = false;
};

// Hands the polygons created during the import to the board.
void HandCreatedPolygonsToBoard(host::IPCB_ServerInterface* server, host::IPCB_Board& board) {
  int32_t identifier = 0;
  board.GetBoardIdentifier(&identifier);
  for (PcbHandle polygon : TranslationState().CreatedPolygons) {
    host::IPCB_Object* object = nullptr;
    if (server) server->GetObjectByHandle(polygon, &object);
    board.SendMessage(identifier, 0, host::kBoardMessagePolygonAdded, object);
  }
}

}  // namespace

bool ParseAndBuild(const std::string& dsnPath, PcbHandle board) {
  StartDesignTranslation();
  SetReportEnabled(true);
  TDesignRun run(dsnPath, board);
  return run.Design->TranslateAndFinish([&] { return run.LoadAndExport(); });
}

bool ImportDesignIntoBoard(const std::string& dsnPath, PcbHandle board) {
  BindPcbApi();
  StartDesignTranslation();
  host::IPCB_Board* boardInterface = PcbBoardInterface(board);
  if (!boardInterface) return false;
  host::IPCB_ServerInterface* server = PcbServerInterface();
  TDesignRun run(dsnPath, board);
  return run.Design->TranslateAndFinish([&] {
    TImportBracket bracket(server, *boardInterface);
    const bool result = run.LoadAndExport();
    bracket.RestoreOptions();
    HandCreatedPolygonsToBoard(server, *boardInterface);
    return result;
  });
}
