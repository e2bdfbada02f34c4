#include "server/TableRowFormatter.h"

#include "server/ObjectDocument.h"
#include "server/TableRow.h"

namespace standin {
namespace {

constexpr std::size_t kNoSlot = static_cast<std::size_t>(-1);

}  // namespace

void TTableRowFormatter::Fill(TTableRow& row, const TBoardObject& object) {
  row.Clear();
  FScratch.Drained();
  TFieldWriter writer(FScratch, &row);
  WriteObjectFields(writer, FReferences, object);
  row.Finish(FScratch.BufferSize());
}

void TTableRowFormatter::Survey(TObjects objects, TTableColumns& columns) {
  TTableRow row(columns, TTableRow::TPurpose::Survey);
  for (const TBoardObject* object : objects) {
    Fill(row, *object);
    const std::string_view written(FScratch.Buffer());
    for (const TTableRow::TCell& cell : row.Cells())
      columns.Survey(cell.Column, written.substr(cell.Start, cell.Length));
  }
}

void TTableRowFormatter::Write(TObjects objects, TTableColumns& columns, std::string& text) {
  // The columns with cells, in document order; a field at zero, or one this object does not
  // have (of another rule kind), has no cell in the row: its column's zero stands for it.
  FSlots.assign(columns.Size(), kNoSlot);
  FZeros.clear();
  for (const std::size_t column : columns.Order()) {
    if (columns.Column(column).Use != TTableColumns::TUse::Cells) continue;
    FSlots[column] = FZeros.size();
    FZeros.push_back(columns.Column(column).Zero);
  }
  TTableRow row(columns, TTableRow::TPurpose::Write);
  for (const TBoardObject* object : objects) {
    Fill(row, *object);
    const std::string_view written(FScratch.Buffer());
    FCells = FZeros;
    for (const TTableRow::TCell& cell : row.Cells())
      if (cell.Column < FSlots.size() && FSlots[cell.Column] != kNoSlot)
        FCells[FSlots[cell.Column]] = written.substr(cell.Start, cell.Length);
    text += ",\n[";
    for (std::size_t slot = 0; slot < FCells.size(); ++slot) {
      if (slot > 0) text += ',';
      text += FCells[slot];
    }
    text += ']';
  }
}

}  // namespace standin
