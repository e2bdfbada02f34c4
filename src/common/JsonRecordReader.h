// Reads a JSON document made of a few header members and one long list of records without
// holding it whole: the file is parsed as a stream of events; every member of the root but the
// record list is kept in the header tree, and each entry of the record list is built into a
// tree of its own, handed over as soon as it is complete, and then dropped.
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
};

class TJsonRecordReader {
public:
  // recordsKey: the root member whose entries are records (when it is a list). In the header
  // tree it stands as an empty list.
  explicit TJsonRecordReader(std::string recordsKey) : FRecordsKey(std::move(recordsKey)) {}

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
  TJsonTree FHeader;
  TJsonTree FRecord;
};
