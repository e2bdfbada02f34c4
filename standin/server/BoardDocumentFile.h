// Reading and writing a board as a PCB document file (.pcbdoc): compact JSON with its keys in
// a fixed order and its objects in creation order, one per line, so that documents diff
// cleanly. Fields at zero are left out (see DocumentFields.h). The text is written straight to
// the file as the objects are visited, and read back object by object as it is parsed.
//
//   { "format": "pcbdoc", "version": 1,
//     "board": { "fileName", "originX", "originY", "unitMils", "currentLayer", ... },
//     "layers": [ 82 layer records ], "layerPairs": [ ... ],
//     "objects": [ { "handle", "kind", "kindName", "container", ... }, ... ] }
//
// A 0-byte file is an empty board. A document that cannot be read, is not JSON, is cut short,
// names an unknown kind, misses a field every entry has, holds a value that does not fit,
// refers to a handle it does not hold or comes from a newer version is refused with one error
// naming the file and the problem; the board is then left as it was.
#pragma once

#include <string>

namespace standin {

class TBoard;
class TPcbModel;

// Reads the document at the board's path into the board (a new, empty one); false with a
// reason when it cannot. The objects get new handles of the model.
bool LoadBoardDocument(TPcbModel& model, TBoard& board, std::string* error);

// Writes the board to its document's path (temporary file, then renamed over the target).
bool SaveBoardDocument(const TPcbModel& model, const TBoard& board, std::string* error);

// The document text of the board.
std::string BoardDocumentText(const TPcbModel& model, const TBoard& board);

}  // namespace standin
