// Reads a JSON document made of a few header members and long lists of records without holding
// it whole: the file is parsed as a stream of events; every member of the root but the record
// list and the table list is kept in the header tree, and each entry of the record list is
// built into a tree of its own, handed over as soon as it is complete, and then dropped.
// Each entry of the table list is an object whose members are handed over one by one as they
// are complete, except its row list, whose entries are handed over one by one as records are;
// the table's tree lasts until the table ends, so that its members stay readable for its rows.
#pragma once

#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "common/JsonTree.h"

// Text that is not JSON; the text says what is wrong and where.
class EJsonSyntax : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

struct TJsonRecordHandlers {
  // A member of the root object other than the record list, once read whole.
  std::function<void(std::string_view key, TJsonValue value)> Header;
  // An entry of the record list (index counts from 0), once read whole.
  std::function<void(TJsonValue record, std::size_t index)> Record;
  // A member of a table other than its rows, once read whole (tables count from 0).
  std::function<void(std::string_view key, TJsonValue value, std::size_t table)> TableMember;
  // An entry of a table's row list, once read whole (rows count from 0 in each table).
  std::function<void(TJsonValue row, std::size_t table, std::size_t index)> Row;
  // The end of a table: the whole entry, its row list standing as an empty list.
  std::function<void(TJsonValue table, std::size_t index)> TableEnd;
};

class TJsonRecordReader {
public:
  // recordsKey: the root member whose entries are records (when it is a list); tablesKey: the
  // root member whose entries are tables, rowsKey: the member of a table that lists its rows.
  // In the header tree the record and table lists stand as empty lists.
  explicit TJsonRecordReader(std::string recordsKey, std::string tablesKey = {},
                             std::string rowsKey = "rows")
      : FRecordsKey(std::move(recordsKey)),
        FTablesKey(std::move(tablesKey)),
        FRowsKey(std::move(rowsKey)) {}

  // Parses the file. False with a reason in *error when it cannot be opened or read. An empty
  // file leaves the header tree empty. Raises EJsonSyntax for text that is not JSON; whatever
  // a handler raises ends the reading and passes through.
  bool ReadFile(const std::string& path, const TJsonRecordHandlers& handlers, std::string* error);
  // The same for text in memory.
  void ReadText(std::string_view text, const TJsonRecordHandlers& handlers);

  // The root value: an object of the header members, unless the document is no object.
  TJsonValue Header() const { return FHeader.Root(); }

private:
  template <class Stream>
  void Parse(Stream& stream, const TJsonRecordHandlers& handlers);

  std::string FRecordsKey;
  std::string FTablesKey;
  std::string FRowsKey;
  TJsonTree FHeader;
  TJsonTree FTable;
  TJsonTree FRecord;
};
