// pcbhost render BOARD.pcbdoc [--out FILE.svg]: draws a board document as an SVG picture
// (by default BOARD with extension svg).
#include "app/BoardPicture.h"
#include "app/ErrorLine.h"
#include "app/ExitCodes.h"
#include "app/TranslationSummary.h"
#include "app/Verbs.h"

namespace pcbhost {

int RenderVerb(const std::string& board, const std::string& out) {
  std::string picture, error;
  if (!DrawBoardPicture(board, out, picture, &error)) {
    PrintError(error);
    return kExitFailed;
  }
  TTranslationSummary summary;
  summary.AddBoard(board);
  summary.AddWritten(picture);
  summary.Print();
  return kExitOk;
}

}  // namespace pcbhost
