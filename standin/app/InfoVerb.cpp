// pcbhost info BOARD.pcbdoc [--json]: what a board document holds, read straight from the file.
#include <filesystem>
#include <iostream>

#include "app/ErrorLine.h"
#include "app/ExitCodes.h"
#include "app/Verbs.h"
#include "app/board_view/BoardDocumentReader.h"
#include "app/board_view/BoardSummary.h"

namespace pcbhost {

int InfoVerb(const std::string& board, bool json) {
  TBoardView view;
  std::string error;
  if (!ReadBoardView(board, view, &error, TViewContents::WithoutShapes)) {
    PrintError(error);
    return kExitFailed;
  }
  const std::string path = std::filesystem::absolute(board).lexically_normal().string();
  if (json)
    std::cout << BoardSummaryJson(view, path)
                     .dump(2, ' ', false, nlohmann::json::error_handler_t::replace)
              << "\n";
  else
    std::cout << BoardSummaryText(view, path);
  return kExitOk;
}

}  // namespace pcbhost
