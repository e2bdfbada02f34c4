#include "common/JsonRecordReader.h"

#include <rapidjson/error/en.h>
#include <rapidjson/filereadstream.h>
#include <rapidjson/memorystream.h>
#include <rapidjson/reader.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <exception>
#include <memory>
#include <vector>

namespace {

// Builds the header, table and record trees from the parser's events and hands each finished
// value over. A handler's exception is kept and the parse stopped (the parser itself must not
// be unwound); the caller raises it again.
//
// Depth counts the open containers: the root's members are at depth 1, the entries of the
// record and table lists at 2, a table's members at 3, its rows at 4.
class TRecordEvents {
public:
  struct TKeys {
    const std::string& Records;
    const std::string& Tables;
    const std::string& Rows;
  };

  TRecordEvents(TKeys keys, TJsonTree& header, TJsonTree& table, TJsonTree& record,
                const TJsonRecordHandlers& handlers)
      : FKeys(keys), FHeader(header), FTable(table), FRecord(record), FHandlers(handlers) {}

  bool Null() { return Value([](TJsonTree& t) { t.Null(); }); }
  bool Bool(bool b) { return Value([b](TJsonTree& t) { t.Boolean(b); }); }
  bool Int(int i) { return Int64(i); }
  bool Uint(unsigned u) { return Uint64(u); }
  bool Int64(int64_t i) {
    return Value([i](TJsonTree& t) { i < 0 ? t.Signed(i) : t.Unsigned(static_cast<uint64_t>(i)); });
  }
  bool Uint64(uint64_t u) { return Value([u](TJsonTree& t) { t.Unsigned(u); }); }
  bool Double(double d) { return Value([d](TJsonTree& t) { t.Real(d); }); }
  bool RawNumber(const char*, rapidjson::SizeType, bool) { return false; }
  bool String(const char* text, rapidjson::SizeType length, bool) {
    return Value([&](TJsonTree& t) { t.Text(std::string_view(text, length)); });
  }
  bool Key(const char* text, rapidjson::SizeType length, bool) {
    const std::string_view key(text, length);
    if (FDepth == 1) {
      FHeaderKey.assign(key);
      FMemberStart = FHeader.NodeCount();
    } else if (FList == TList::Tables && FDepth == 3) {
      FTableKey.assign(key);
      FMemberStart = FTable.NodeCount();
    }
    Target().Key(key);
    return true;
  }
  bool StartObject() { return Open(false); }
  bool EndObject(rapidjson::SizeType) { return Close(); }
  bool StartArray() { return Open(true); }
  bool EndArray(rapidjson::SizeType) { return Close(); }

  std::exception_ptr Problem() const { return FProblem; }

private:
  // The long list being read, if any.
  enum class TList { None, Records, Tables };

  bool InRecord() const {
    return (FList == TList::Records && FDepth >= 2) || (FInRows && FDepth >= 4);
  }
  TJsonTree& Target() {
    if (InRecord()) return FRecord;
    return FList == TList::Tables && FDepth >= 2 ? FTable : FHeader;
  }
  // A record starts at the entry depth of the record list or of a row list.
  void StartEntry() {
    if ((FList == TList::Records && FDepth == 2) || (FInRows && FDepth == 4)) FRecord.Clear();
    if (FList == TList::Tables && FDepth == 2) FTable.Clear();
  }

  template <class Add>
  bool Value(Add&& add) {
    StartEntry();
    add(Target());
    return Finished();
  }

  // A long list: an empty list where it stands, its entries built one by one.
  bool OpenLongList(TJsonTree& tree) {
    tree.StartList();
    tree.EndContainer();
    ++FDepth;
    return true;
  }

  bool Open(bool list) {
    if (FDepth == 1 && list && FList == TList::None) {
      if (FHeaderKey == FKeys.Records) FList = TList::Records;
      if (!FKeys.Tables.empty() && FHeaderKey == FKeys.Tables) FList = TList::Tables;
      if (FList != TList::None) return OpenLongList(FHeader);
    }
    if (FList == TList::Tables && FDepth == 3 && list && FTableKey == FKeys.Rows && !FInRows &&
        FTableIsObject) {
      FInRows = true;
      return OpenLongList(FTable);
    }
    if (FDepth == 0) FRootIsObject = !list;
    if (FList == TList::Tables && FDepth == 2) FTableIsObject = !list;
    StartEntry();
    TJsonTree& target = Target();
    list ? target.StartList() : target.StartObject();
    ++FDepth;
    return true;
  }

  bool Close() {
    --FDepth;
    if (FList != TList::None && FDepth == 1) {
      FList = TList::None;
      return true;
    }
    if (FInRows && FDepth == 3) {
      FInRows = false;
      return true;
    }
    Target().EndContainer();
    return Finished();
  }

  // A value is complete: a record when it is an entry of the record list or of a row list, a
  // table member or table when it is one, a header member when it is a member of the root.
  bool Finished() {
    try {
      if (FList == TList::Records && FDepth == 2) {
        if (FHandlers.Record) FHandlers.Record(FRecord.Root(), FRecordCount);
        ++FRecordCount;
      } else if (FInRows && FDepth == 4) {
        if (FHandlers.Row) FHandlers.Row(FRecord.Root(), FTableCount, FRowCount);
        ++FRowCount;
      } else if (FList == TList::Tables && FDepth == 3 && FTableIsObject) {
        if (FHandlers.TableMember)
          FHandlers.TableMember(FTableKey, TJsonValue(&FTable, FMemberStart), FTableCount);
      } else if (FList == TList::Tables && FDepth == 2) {
        if (FHandlers.TableEnd) FHandlers.TableEnd(FTable.Root(), FTableCount);
        ++FTableCount;
        FRowCount = 0;
      } else if (FList == TList::None && FDepth == 1 && FRootIsObject && FHandlers.Header) {
        FHandlers.Header(FHeaderKey, TJsonValue(&FHeader, FMemberStart));
      }
      return true;
    } catch (...) {
      FProblem = std::current_exception();
      return false;
    }
  }

  TKeys FKeys;
  TJsonTree& FHeader;
  TJsonTree& FTable;
  TJsonTree& FRecord;
  const TJsonRecordHandlers& FHandlers;
  std::size_t FDepth = 0;
  TList FList = TList::None;
  bool FInRows = false;
  bool FRootIsObject = false;
  bool FTableIsObject = false;
  std::size_t FRecordCount = 0;
  std::size_t FTableCount = 0;
  std::size_t FRowCount = 0;
  std::string FHeaderKey;
  std::string FTableKey;
  uint32_t FMemberStart = 0;
  std::exception_ptr FProblem;
};

struct TFileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

}  // namespace

template <class Stream>
void TJsonRecordReader::Parse(Stream& stream, const TJsonRecordHandlers& handlers) {
  FHeader.Clear();
  FTable.Clear();
  FRecord.Clear();
  TRecordEvents events({FRecordsKey, FTablesKey, FRowsKey}, FHeader, FTable, FRecord, handlers);
  rapidjson::Reader reader;
  constexpr unsigned kFlags = rapidjson::kParseFullPrecisionFlag |
                              rapidjson::kParseValidateEncodingFlag |
                              rapidjson::kParseIterativeFlag;
  const rapidjson::ParseResult result = reader.Parse<kFlags>(stream, events);
  if (events.Problem()) std::rethrow_exception(events.Problem());
  if (!result)
    throw EJsonSyntax(std::string(rapidjson::GetParseError_En(result.Code())) + " (at byte " +
                      std::to_string(result.Offset()) + ")");
  FTable.Clear();
  FRecord.Clear();
}

bool TJsonRecordReader::ReadFile(const std::string& path, const TJsonRecordHandlers& handlers,
                                 std::string* error) {
  const std::unique_ptr<std::FILE, TFileCloser> file(std::fopen(path.c_str(), "rbe"));
  if (!file) {
    if (error) *error = "cannot open " + path + ": " + std::strerror(errno);
    return false;
  }
  struct stat info {};
  if (::fstat(::fileno(file.get()), &info) != 0 || !S_ISREG(info.st_mode)) {
    if (error) *error = "not a regular file: " + path;
    return false;
  }
  FHeader.Clear();
  const int first = std::fgetc(file.get());
  if (first == EOF) {
    if (!std::ferror(file.get())) return true;
    if (error) *error = "cannot read " + path + ": " + std::strerror(errno);
    return false;
  }
  std::ungetc(first, file.get());
  std::vector<char> buffer(1 << 16);
  rapidjson::FileReadStream stream(file.get(), buffer.data(), buffer.size());
  Parse(stream, handlers);
  if (std::ferror(file.get())) {
    if (error) *error = "cannot read " + path + ": " + std::strerror(errno);
    return false;
  }
  return true;
}

void TJsonRecordReader::ReadText(std::string_view text, const TJsonRecordHandlers& handlers) {
  rapidjson::MemoryStream bytes(text.data(), text.size());
  rapidjson::EncodedInputStream<rapidjson::UTF8<>, rapidjson::MemoryStream> stream(bytes);
  Parse(stream, handlers);
}
