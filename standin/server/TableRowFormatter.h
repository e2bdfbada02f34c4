// The rows of a board document's table, formatted on one thread: each object's fields go into
// a scratch text cell by cell (TableRow.h). A survey notes which columns the cells need and
// their values (TableColumns.h); a write appends the rows' text once the columns are decided.
// A table's rows may be shared out among several formatters, one a thread: they only read the
// objects and the references gathered before.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "common/JsonWriter.h"
#include "server/BoardObject.h"
#include "server/ObjectReferences.h"
#include "server/TableColumns.h"

namespace standin {

class TTableRow;

class TTableRowFormatter {
public:
  using TObjects = std::span<const TBoardObject* const>;

  explicit TTableRowFormatter(const TObjectReferences& references) : FReferences(references) {}

  // Notes the fields of the objects in the columns.
  void Survey(TObjects objects, TTableColumns& columns);
  // Appends the rows of the objects to text, each as ",\n[cells]". columns: decided, and this
  // formatter's own (finding a field's column moves its place of search).
  void Write(TObjects objects, TTableColumns& columns, std::string& text);

private:
  // Writes the object's fields into the scratch text and the row's cells.
  void Fill(TTableRow& row, const TBoardObject& object);

  const TObjectReferences& FReferences;
  TJsonWriter FScratch;
  std::vector<std::size_t> FSlots;       // per column: its place in a row, or kNoSlot
  std::vector<std::string_view> FZeros;  // per place in a row: the text when a row has no cell
  std::vector<std::string_view> FCells;  // the row being written, place by place
};

}  // namespace standin
