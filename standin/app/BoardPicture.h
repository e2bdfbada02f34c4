// Draws a board document as an SVG picture file.
#pragma once

#include <string>

#include "app/board_view/BoardView.h"

namespace pcbhost {

// Writes the picture of the board read from the document board to out (empty: the document
// with extension svg); the picture's absolute path in picture. False with a reason.
bool DrawBoardPicture(const TBoardView& view, const std::string& board, const std::string& out,
                      std::string& picture, std::string* error);

}  // namespace pcbhost
