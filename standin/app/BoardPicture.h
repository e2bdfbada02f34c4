// Draws a board document as an SVG picture file.
#pragma once

#include <string>

namespace pcbhost {

// Writes the picture of the board to out (empty: the board with extension svg); the
// picture's absolute path in picture. False with a reason.
bool DrawBoardPicture(const std::string& board, const std::string& out, std::string& picture,
                      std::string* error);

}  // namespace pcbhost
