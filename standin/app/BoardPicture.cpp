#include "app/BoardPicture.h"

#include <filesystem>

#include "app/TranslationSummary.h"
#include "app/board_view/BoardSvg.h"
#include "common/SafeFile.h"

namespace pcbhost {

bool DrawBoardPicture(const TBoardView& view, const std::string& board, const std::string& out,
                      std::string& picture, std::string* error) {
  picture = AbsolutePathOf(out.empty() ? WithExtension(board, "svg") : out);
  const std::string title = std::filesystem::path(board).filename().string();
  std::string reason;
  if (WriteFileReplacing(picture, RenderBoardSvg(view, title), &reason)) return true;
  if (error) *error = "cannot write the picture " + picture + ": " + reason;
  return false;
}

}  // namespace pcbhost
