// pcbhost render BOARD.pcbdoc [--out FILE.svg]: draws a board document as an SVG picture
// (by default BOARD with extension svg).
#include <filesystem>
#include <iostream>

#include "app/ErrorLine.h"
#include "app/ExitCodes.h"
#include "app/Verbs.h"
#include "app/board_view/BoardDocumentReader.h"
#include "app/board_view/BoardSummary.h"
#include "app/board_view/BoardSvg.h"
#include "common/SafeFile.h"

namespace pcbhost {
namespace {

std::string AbsolutePath(const std::string& path) {
  return std::filesystem::absolute(path).lexically_normal().string();
}

}  // namespace

int RenderVerb(const std::string& board, const std::string& out) {
  TBoardView view;
  std::string error;
  if (!ReadBoardView(board, view, &error)) {
    PrintError(error);
    return kExitFailed;
  }
  const std::string target = AbsolutePath(
      out.empty() ? std::filesystem::path(board).replace_extension("svg").string() : out);
  const std::string title = std::filesystem::path(board).filename().string();
  if (!WriteFileReplacing(target, RenderBoardSvg(view, title), &error)) {
    PrintError("cannot write the picture: " + error);
    return kExitFailed;
  }
  std::cout << "board: " << AbsolutePath(board) << "\n"
            << BoardCountsLine(view) << "\n"
            << "written: " << target << "\n";
  return kExitOk;
}

}  // namespace pcbhost
