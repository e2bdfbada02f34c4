#include "server/ObjectTableWriter.h"

#include "server/DocumentFields.h"
#include "server/ObjectDocument.h"
#include "server/ObjectKinds.h"

namespace standin {

void TObjectTableWriter::FillRow(TTableRow& row, const TBoardObject& object) {
  row.Clear();
  FScratch.Drained();
  TFieldWriter writer(FScratch, &row);
  WriteObjectFields(writer, FModel, FBoard, object);
  row.Finish(FScratch.BufferSize());
}

void TObjectTableWriter::WriteHead(TJsonWriter& json, uint8_t kind,
                                   const std::vector<const TBoardObject*>& objects,
                                   const TTableColumns& columns) {
  json.Key("kind");
  json.Unsigned(kind);
  json.Key("kindName");
  json.Text(ObjectKindName(kind));
  json.Key("count");
  json.Unsigned(objects.size());
  // Objects made one after another have consecutive handles: [first handle, count] runs.
  json.Key("handles");
  json.StartList();
  for (std::size_t i = 0; i < objects.size();) {
    std::size_t end = i + 1;
    while (end < objects.size() && objects[end]->Handle() == objects[end - 1]->Handle() + 1) ++end;
    json.StartList();
    json.Unsigned(objects[i]->Handle());
    json.Unsigned(end - i);
    json.EndList();
    i = end;
  }
  json.EndList();
  json.NewLine();
  json.Key("columns");
  json.StartList();
  for (const std::size_t column : columns.Order())
    if (columns.Column(column).Use == TTableColumns::TUse::Cells)
      json.Text(columns.Column(column).Path);
  json.EndList();
  json.Key("same");
  json.StartObject();
  for (const std::size_t column : columns.Order()) {
    const TTableColumns::TColumn& found = columns.Column(column);
    if (found.Use != TTableColumns::TUse::Same) continue;
    json.Key(found.Path);
    json.Literal(found.First);
  }
  json.EndObject();
}

bool TObjectTableWriter::Write(TJsonWriter& json, uint8_t kind,
                               const std::vector<const TBoardObject*>& objects) {
  TTableColumns columns;
  TTableRow row(columns);
  const auto textOf = [&](const TTableRow::TCell& cell) {
    return cell.Zero.empty() ? std::string_view(FScratch.Buffer()).substr(cell.Start, cell.Length)
                             : cell.Zero;
  };
  for (const TBoardObject* object : objects) {
    FillRow(row, *object);
    for (const TTableRow::TCell& cell : row.Cells())
      columns.Survey(cell.Column, textOf(cell), !cell.Zero.empty());
  }
  columns.Decide(objects.size());

  json.NewLine();
  json.StartObject();
  WriteHead(json, kind, objects, columns);
  json.Key("rows");
  json.StartList();
  for (const TBoardObject* object : objects) {
    FillRow(row, *object);
    // A column this object does not name (a field of another rule kind) is left out: null.
    FTexts.assign(columns.Size(), "null");
    for (const TTableRow::TCell& cell : row.Cells()) FTexts[cell.Column] = textOf(cell);
    json.NewLine();
    json.StartList();
    for (const std::size_t column : columns.Order())
      if (columns.Column(column).Use == TTableColumns::TUse::Cells) json.Literal(FTexts[column]);
    json.EndList();
    if (!FDrain(json)) return false;
  }
  json.NewLine();
  json.EndList();
  json.EndObject();
  return true;
}

}  // namespace standin
