// The fields of one object as a row of its table: a field writer in row mode writes the value
// of each field off zero one after another into the row's text (no keys, no separators) and
// tells the row where each begins; the row finds each field's column. Fields at zero have no
// cell here: their column's zero value stands for them. A row asks only for the values it
// needs: a survey those of columns whose values have all been the same so far, a write those
// of columns with cells; the other fields are found a column but get no text and no cell.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "server/TableColumns.h"

namespace standin {

class TTableRow {
public:
  enum class TPurpose { Survey, Write };
  struct TCell {
    std::size_t Column = 0;
    std::size_t Start = 0, Length = 0;  // in the row's text
  };

  TTableRow(TTableColumns& columns, TPurpose purpose) : FColumns(columns), FPurpose(purpose) {}

  // Forgets the cells of the row before.
  void Clear() {
    FCells.clear();
    FColumns.StartRow();
  }
  // A field whose value is written from `start` of the row's text on (and ends where the next
  // begins); ordinal: its place among all the fields the object names. False when the row does
  // not need the value, which must then not be written.
  bool Value(std::string_view prefix, const char* name, std::size_t start, std::size_t ordinal) {
    Finish(start);
    const std::size_t column = FColumns.Locate(prefix, name, ordinal);
    const TTableColumns::TColumn& found = FColumns.Column(column);
    if (FPurpose == TPurpose::Survey ? !found.AllSame : found.Use != TTableColumns::TUse::Cells)
      return false;
    FCells.push_back({column, start, 0});
    return true;
  }
  // Ends the last field; `end` is the size of the row's text.
  void Finish(std::size_t end) {
    if (!FCells.empty() && FCells.back().Length == 0) FCells.back().Length = end - FCells.back().Start;
  }

  const std::vector<TCell>& Cells() const { return FCells; }

private:
  TTableColumns& FColumns;
  TPurpose FPurpose;
  std::vector<TCell> FCells;
};

}  // namespace standin
