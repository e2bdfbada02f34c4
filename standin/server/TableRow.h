// The fields of one object as a row of its table: a field writer in row mode writes each
// field's value, zero or not, one after another into the row's text (no keys, no separators)
// and tells the row where each begins; the row finds each field's column.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "server/TableColumns.h"

namespace standin {

class TTableRow {
public:
  struct TCell {
    std::size_t Column = 0;
    std::size_t Start = 0, Length = 0;  // in the row's text
    std::string_view Zero;              // the text of the field's zero value, when it is at zero
  };

  explicit TTableRow(TTableColumns& columns) : FColumns(columns) {}

  // Forgets the cells of the row before.
  void Clear();
  // A field whose value is written from `start` of the row's text on.
  void Value(std::string_view prefix, const char* name, std::size_t start);
  // A field at its zero value, whose cell is `zero`; `end` is the size of the row's text.
  void Zero(std::string_view prefix, const char* name, std::string_view zero, std::size_t end);
  // Ends the last field; `end` is the size of the row's text.
  void Finish(std::size_t end);

  const std::vector<TCell>& Cells() const { return FCells; }

private:
  void EndOpenCell(std::size_t end);

  TTableColumns& FColumns;
  std::vector<TCell> FCells;
  bool FOpen = false;
};

}  // namespace standin
