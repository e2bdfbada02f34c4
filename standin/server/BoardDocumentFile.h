// Reading and writing a board as a PCB document file (.pcbdoc, JSON). A 0-byte file is an
// empty board. The board holds no objects yet, so only the frame of the format is written.
#pragma once

#include <string>

namespace standin {

class TBoard;

// Reads the document at the board's path into the board; false with a reason when the file
// cannot be read or is not a board document.
bool LoadBoardDocument(TBoard& board, std::string* error);

// Writes the board to its document's path (temporary file, then renamed over the target).
bool SaveBoardDocument(const TBoard& board, std::string* error);

}  // namespace standin
