// A table of records: many records of one form written as rows of cells under one list of
// column names, as a board document keeps the objects of each kind:
//
//   {"kind": 4, "kindName": "track", "count": 3, "handles": [[10, 2], [40, 1]],
//    "columns": ["layer", "net", "x1", "top.shape"], "same": {"routed": true},
//    "rows": [[1, 7, 0, 2], [1, 7, 500, 1], [32, 0, 900, null]]}
//
// Row i is the record {"handle", the table's other plain members ("kind", "kindName"), then
// its fields}: the handles run from each run's first handle for its count; a field is the
// cell of its column, or the value "same" gives every row; "group.field" names a field of the
// nested object "group". A cell at its zero value (null, false, 0, "", [] or {}) stands for a
// field left out, so that a record reads exactly as the record list of an older document held
// it. Rows carry no names and columns at zero everywhere are left out, which makes the table a
// fraction of the size of a list of records.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "common/JsonTree.h"

// A table that is not of the form above; the text says what is wrong.
class ERecordTable : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

class TRecordTable {
public:
  // Forgets the table read before.
  void Clear();
  // Takes a member of the table as it is read (all but its rows). Raises ERecordTable when a
  // member the rows rely on is not of its form.
  void Member(std::string_view key, TJsonValue value);
  // Builds the record of the next row into `record`. Raises ERecordTable when the row does
  // not fit the columns, or rows come before the members that describe them or past the count.
  TJsonValue Record(TJsonValue row, TJsonTree& record);
  // At the end of the table: raises ERecordTable when it held fewer rows than its count.
  void Finish();

  std::size_t Count() const { return FCount; }

private:
  // One field of a record, in the order records hold them.
  struct TField {
    std::string Group;  // empty for a field of the record itself
    std::string Name;
    std::size_t Cell = 0;
    bool Same = false;
    TJsonValue Value;  // of a field given by "same"
  };

  void ReadHandles(TJsonValue handles);
  void ReadColumns(TJsonValue columns);
  void Prepare();
  void AddField(std::string_view path, std::size_t cell, TJsonValue same);
  uint64_t NextHandle();

  std::vector<std::pair<std::string, TJsonValue>> FHead;
  std::vector<std::pair<uint64_t, uint64_t>> FRuns;  // first handle, count
  std::vector<std::string> FColumns;
  TJsonValue FSame;
  bool FHasCount = false, FHasHandles = false, FHasColumns = false, FPrepared = false;
  std::size_t FCount = 0;
  std::size_t FRows = 0;
  std::size_t FRun = 0;
  uint64_t FInRun = 0;
  std::vector<TField> FFields;
  std::vector<TJsonValue> FCells;
};
