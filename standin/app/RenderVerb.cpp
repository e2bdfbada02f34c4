// pcbhost render BOARD.pcbdoc [--out FILE.svg]: draws a board document as an SVG picture
// (by default BOARD with extension svg).
#include "app/BoardPicture.h"
#include "app/ErrorLine.h"
#include "app/ExitCodes.h"
#include "app/TranslationSummary.h"
#include "app/Verbs.h"
#include "app/board_view/BoardDocumentReader.h"

namespace pcbhost {

int RenderVerb(const std::string& board, const std::string& out) {
  TBoardView view;
  std::string picture, error;
  if (!ReadBoardView(board, view, &error) ||
      !DrawBoardPicture(view, board, out, picture, &error)) {
    PrintError(error);
    return kExitFailed;
  }
  TTranslationSummary summary;
  summary.AddBoard(view);
  summary.AddWritten(picture);
  summary.Print();
  return kExitOk;
}

}  // namespace pcbhost
