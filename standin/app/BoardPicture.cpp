#include "app/BoardPicture.h"

#include <filesystem>

#include "app/TranslationSummary.h"
#include "app/board_view/BoardSvg.h"
#include "common/SafeFile.h"

namespace pcbhost {

// The picture goes to its file as it is drawn, and replaces the target only once complete.
bool DrawBoardPicture(const TBoardView& view, const std::string& board, const std::string& out,
                      std::string& picture, std::string* error) {
  picture = AbsolutePathOf(out.empty() ? WithExtension(board, "svg") : out);
  const std::string title = std::filesystem::path(board).filename().string();
  std::string reason;
  TReplacingFile file(picture);
  if (file.Open(&reason)) {
    TTextSink sink([&](std::string_view chunk) { return file.Write(chunk); });
    RenderBoardSvg(view, title, sink);
    // A failed write makes the commit fail with its reason.
    if (file.Commit(&reason)) return true;
  }
  if (error) *error = "cannot write the picture " + picture + ": " + reason;
  return false;
}

}  // namespace pcbhost
