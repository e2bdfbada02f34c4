// Writes the objects of one kind as a table of a board document (see RecordTable.h): the
// objects are visited twice, once to find the columns their fields need (TableColumns.h) and
// once to write their rows; each row's text is made in a scratch buffer and copied cell by
// cell into the document, so nothing but one row is ever held apart from the document's text.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "common/JsonWriter.h"
#include "server/BoardObject.h"
#include "server/TableColumns.h"
#include "server/TableRow.h"

namespace standin {

class TBoard;
class TPcbModel;

class TObjectTableWriter {
public:
  // drain(json) is offered the document's text after every row; false from it stops the
  // writing.
  TObjectTableWriter(const TPcbModel& model, const TBoard& board,
                     std::function<bool(TJsonWriter&)> drain)
      : FModel(model), FBoard(board), FDrain(std::move(drain)) {}

  // The table of the objects (all of the kind, in document order) as the next list entry.
  bool Write(TJsonWriter& json, uint8_t kind, const std::vector<const TBoardObject*>& objects);

private:
  // Writes the object's fields into the scratch row.
  void FillRow(TTableRow& row, const TBoardObject& object);
  void WriteHead(TJsonWriter& json, uint8_t kind, const std::vector<const TBoardObject*>& objects,
                 const TTableColumns& columns);

  const TPcbModel& FModel;
  const TBoard& FBoard;
  std::function<bool(TJsonWriter&)> FDrain;
  TJsonWriter FScratch;
  std::vector<std::string_view> FTexts;
};

}  // namespace standin
