// The fields of one object as a row of its table: a field writer in row mode writes the value
// of each field off zero one after another into the row's text (no keys, no separators) and
// tells the row where each begins; the row finds each field's column. Fields at zero have no
// cell here: their column's zero value stands for them.
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
  };

  explicit TTableRow(TTableColumns& columns) : FColumns(columns) {}

  // Forgets the cells of the row before.
  void Clear() {
    FCells.clear();
    FColumns.StartRow();
  }
  // A field whose value is written from `start` of the row's text on (and ends where the next
  // begins); ordinal: its place among all the fields the object names.
  void Value(std::string_view prefix, const char* name, std::size_t start, std::size_t ordinal) {
    Finish(start);
    FCells.push_back({FColumns.Locate(prefix, name, ordinal), start, 0});
  }
  // Ends the last field; `end` is the size of the row's text.
  void Finish(std::size_t end) {
    if (!FCells.empty() && FCells.back().Length == 0) FCells.back().Length = end - FCells.back().Start;
  }

  const std::vector<TCell>& Cells() const { return FCells; }

private:
  TTableColumns& FColumns;
  std::vector<TCell> FCells;
};

}  // namespace standin
