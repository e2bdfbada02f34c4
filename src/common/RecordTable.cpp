#include "common/RecordTable.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace {

constexpr uint64_t kLastHandle = std::numeric_limits<uint32_t>::max();

std::string Quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

// A cell that stands for a field left out.
bool IsLeftOut(TJsonValue value) {
  switch (value.Type()) {
    case TJsonType::Null: return true;
    case TJsonType::Boolean: return !value.Boolean();
    case TJsonType::Signed: return value.Signed() == 0;
    case TJsonType::Unsigned: return value.Unsigned() == 0;
    case TJsonType::Real: return value.Real() == 0;
    case TJsonType::Text: return value.Text().empty();
    case TJsonType::List:
    case TJsonType::Object: return value.Size() == 0;
  }
  return false;
}

uint64_t WholeNumber(TJsonValue value, const char* what) {
  if (!value.IsUnsigned()) throw ERecordTable(std::string(what) + " is not a whole number");
  return value.Unsigned();
}

}  // namespace

void TRecordTable::Clear() { *this = TRecordTable(); }

void TRecordTable::Member(std::string_view key, TJsonValue value) {
  if (key == "count") {
    FCount = static_cast<std::size_t>(WholeNumber(value, "\"count\""));
    FHasCount = true;
  } else if (key == "handles") {
    ReadHandles(value);
  } else if (key == "columns") {
    ReadColumns(value);
  } else if (key == "same") {
    if (!value.IsObject()) throw ERecordTable("\"same\" is not an object");
    FSame = value;
  } else if (key == "rows") {
    throw ERecordTable("\"rows\" is not a list");
  } else {
    FHead.emplace_back(std::string(key), value);
  }
}

void TRecordTable::ReadHandles(TJsonValue handles) {
  if (!handles.IsList()) throw ERecordTable("\"handles\" is not a list");
  FRuns.clear();
  for (const TJsonValue run : handles) {
    if (!run.IsList() || run.Size() != 2)
      throw ERecordTable("\"handles\" has an entry that is not [first handle, count]");
    const uint64_t first = WholeNumber(run.At(0), "a first handle");
    const uint64_t count = WholeNumber(run.At(1), "a count of handles");
    if (first == 0 || count == 0 || count > kLastHandle || first > kLastHandle - count + 1)
      throw ERecordTable("\"handles\" has a run [" + std::to_string(first) + ", " +
                         std::to_string(count) + "] outside the handles 1 to " +
                         std::to_string(kLastHandle));
    FRuns.emplace_back(first, count);
  }
  FHasHandles = true;
}

void TRecordTable::ReadColumns(TJsonValue columns) {
  if (!columns.IsList()) throw ERecordTable("\"columns\" is not a list");
  FColumns.clear();
  for (const TJsonValue column : columns) {
    if (!column.IsText()) throw ERecordTable("\"columns\" has an entry that is not a name");
    FColumns.emplace_back(column.Text());
  }
  FHasColumns = true;
}

void TRecordTable::AddField(std::string_view path, std::size_t cell, TJsonValue same) {
  const std::size_t dot = path.find('.');
  TField field;
  if (dot == std::string_view::npos) {
    field.Name = path;
  } else {
    field.Group = path.substr(0, dot);
    field.Name = path.substr(dot + 1);
  }
  if (path.empty() || (dot != std::string_view::npos &&
                       (field.Group.empty() || field.Name.empty() ||
                        field.Name.find('.') != std::string::npos)))
    throw ERecordTable(Quoted(path) + " is not a field name (name or group.name)");
  const bool taken = path == "handle" ||
                     std::any_of(FHead.begin(), FHead.end(),
                                 [&](const auto& head) { return head.first == path; }) ||
                     std::any_of(FFields.begin(), FFields.end(), [&](const TField& other) {
                       return other.Group == field.Group && other.Name == field.Name;
                     });
  if (taken) throw ERecordTable("field " + Quoted(path) + " is given twice");
  field.Cell = cell;
  field.Same = same.Exists();
  field.Value = same;
  FFields.push_back(std::move(field));
}

// The fields in the order of the columns, then those of "same", the fields of a group kept
// together where its first one stands.
void TRecordTable::Prepare() {
  if (FPrepared) return;
  if (!FHasCount) throw ERecordTable("\"count\" is missing");
  if (FCount > 0 && !FHasHandles) throw ERecordTable("\"handles\" is missing");
  if (FCount > 0 && !FHasColumns) throw ERecordTable("\"columns\" is missing");
  uint64_t handles = 0;
  for (const auto& run : FRuns) handles += run.second;
  if (handles != FCount)
    throw ERecordTable("\"handles\" gives " + std::to_string(handles) + " handles for " +
                       std::to_string(FCount) + " rows");
  for (std::size_t i = 0; i < FColumns.size(); ++i) AddField(FColumns[i], i, {});
  for (const TJsonValue same : FSame) AddField(same.Key(), 0, same);
  std::vector<TField> ordered;
  ordered.reserve(FFields.size());
  std::vector<bool> placed(FFields.size(), false);
  for (std::size_t i = 0; i < FFields.size(); ++i) {
    if (placed[i]) continue;
    for (std::size_t j = i; j < FFields.size(); ++j) {
      if (placed[j] || FFields[j].Group != FFields[i].Group || (j > i && FFields[i].Group.empty()))
        continue;
      placed[j] = true;
      ordered.push_back(FFields[j]);
    }
  }
  FFields = std::move(ordered);
  FPrepared = true;
}

uint64_t TRecordTable::NextHandle() {
  const auto& [first, count] = FRuns[FRun];
  const uint64_t handle = first + FInRun;
  if (++FInRun == count) {
    ++FRun;
    FInRun = 0;
  }
  return handle;
}

TJsonValue TRecordTable::Record(TJsonValue row, TJsonTree& record) {
  Prepare();
  // The row's name is made only for an error: rows are many.
  const auto where = [&] { return "row " + std::to_string(FRows); };
  if (FRows >= FCount)
    throw ERecordTable(where() + " is more than the table's count (" + std::to_string(FCount) +
                       ")");
  if (!row.IsList()) throw ERecordTable(where() + " is not a list");
  if (row.Size() != FColumns.size())
    throw ERecordTable(where() + " has " + std::to_string(row.Size()) + " cells for " +
                       std::to_string(FColumns.size()) + " columns");
  FCells.clear();
  for (const TJsonValue cell : row) FCells.push_back(cell);
  ++FRows;

  record.Clear();
  record.StartObject();
  record.Key("handle");
  record.Unsigned(NextHandle());
  for (const auto& [key, value] : FHead) {
    record.Key(key);
    record.Copy(value);
  }
  const std::string* group = nullptr;  // the group object open in the record
  for (const TField& field : FFields) {
    const TJsonValue value = field.Same ? field.Value : FCells[field.Cell];
    if (IsLeftOut(value)) continue;
    if (group && *group != field.Group) {
      record.EndContainer();
      group = nullptr;
    }
    if (!group && !field.Group.empty()) {
      record.Key(field.Group);
      record.StartObject();
      group = &field.Group;
    }
    record.Key(field.Name);
    record.Copy(value);
  }
  if (group) record.EndContainer();
  record.EndContainer();
  return record.Root();
}

void TRecordTable::Finish() {
  Prepare();
  if (FRows != FCount)
    throw ERecordTable("has " + std::to_string(FRows) + " rows for a count of " +
                       std::to_string(FCount));
}
