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
    return std::string_view(FScratch.Buffer()).substr(cell.Start, cell.Length);
  };
  for (const TBoardObject* object : objects) {
    FillRow(row, *object);
    for (const TTableRow::TCell& cell : row.Cells()) columns.Survey(cell.Column, textOf(cell));
  }
  columns.Decide(objects.size());
  std::vector<std::size_t> cellColumns;
  std::vector<std::string_view> zeros;
  for (const std::size_t column : columns.Order())
    if (columns.Column(column).Use == TTableColumns::TUse::Cells) cellColumns.push_back(column);
  for (std::size_t column = 0; column < columns.Size(); ++column)
    zeros.push_back(columns.Column(column).Zero);

  json.NewLine();
  json.StartObject();
  WriteHead(json, kind, objects, columns);
  json.Key("rows");
  json.StartList();
  for (const TBoardObject* object : objects) {
    FillRow(row, *object);
    // A field at zero, or one this object does not have (of another rule kind), is left out:
    // its column's zero.
    FTexts = zeros;
    for (const TTableRow::TCell& cell : row.Cells()) FTexts[cell.Column] = textOf(cell);
    json.NewLine();
    json.StartList();
    for (const std::size_t column : cellColumns) json.Literal(FTexts[column]);
    json.EndList();
    if (!FDrain(json)) return false;
  }
  json.NewLine();
  json.EndList();
  json.EndObject();
  return true;
}

}  // namespace standin
