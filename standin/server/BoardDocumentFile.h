// Reading and writing a board as a PCB document file (.pcbdoc): compact JSON with its keys in
// a fixed order, written straight to the file as the objects are visited and read back row by
// row as it is parsed. Version 2 keeps the objects in a table per kind (RecordTable.h): a row
// a line, one column per field some object of the kind has off zero, the values all of them
// share given once, the handles as runs; that makes the document a third of the size of
// version 1, which lists each object as a record with its fields named (and still loads).
//
//   { "format": "pcbdoc", "version": 2,
//     "board": { "fileName", "originX", "originY", "unitMils", "currentLayer", ... },
//     "layers": [ 82 layer records ], "layerPairs": [ ... ],
//     "tables": [ { "kind", "kindName", "count", "handles", "columns", "same", "rows" }, ... ] }
//
// The tables list the objects kind by kind; loading puts them back in handle order, the order
// they were made in, so that a loaded board iterates as the saved one did.
//
// A 0-byte file is an empty board. A document that cannot be read, is not JSON, is cut short,
// names an unknown kind, misses a field every entry has, holds a value that does not fit, has
// a table whose rows do not fit its columns or count, refers to a handle it does not hold or
// comes from a newer version is refused with one error naming the file and the problem; the
// board is then left as it was.
#pragma once

#include <string>

#include "server/ObjectTableWriter.h"

namespace standin {

class TBoard;
class TPcbModel;

// Reads the document at the board's path into the board (a new, empty one); false with a
// reason when it cannot. The objects get new handles of the model.
bool LoadBoardDocument(TPcbModel& model, TBoard& board, std::string* error);

// Writes the board to its document's path (temporary file, then renamed over the target).
bool SaveBoardDocument(const TPcbModel& model, const TBoard& board, std::string* error);

// The document text of the board; the same whatever the formatting.
std::string BoardDocumentText(const TPcbModel& model, const TBoard& board,
                              TTableFormatting formatting = {});

}  // namespace standin
