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

// Builds the header and record trees from the parser's events and hands each finished value
// over. A handler's exception is kept and the parse stopped (the parser itself must not be
// unwound); the caller raises it again.
class TRecordEvents {
public:
  TRecordEvents(const std::string& recordsKey, TJsonTree& header, TJsonTree& record,
                const TJsonRecordHandlers& handlers)
      : FRecordsKey(recordsKey), FHeader(header), FRecord(record), FHandlers(handlers) {}

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
      FMemberStart = static_cast<uint32_t>(HeaderNodes());
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
  TJsonTree& Target() { return FInRecords && FDepth >= 2 ? FRecord : FHeader; }
  std::size_t HeaderNodes() const { return FHeaderNodes; }

  template <class Add>
  bool Value(Add&& add) {
    if (FInRecords && FDepth == 2) FRecord.Clear();
    TJsonTree& target = Target();
    add(target);
    if (&target == &FHeader) ++FHeaderNodes;
    return Finished();
  }

  bool Open(bool list) {
    if (FDepth == 1 && list && FHeaderKey == FRecordsKey && !FInRecords) {
      // The record list: an empty list in the header, its entries built one by one.
      FHeader.StartList();
      FHeader.EndContainer();
      ++FHeaderNodes;
      FInRecords = true;
      ++FDepth;
      return true;
    }
    if (FDepth == 0) FRootIsObject = !list;
    if (FInRecords && FDepth == 2) FRecord.Clear();
    TJsonTree& target = Target();
    list ? target.StartList() : target.StartObject();
    if (&target == &FHeader) ++FHeaderNodes;
    ++FDepth;
    return true;
  }

  bool Close() {
    --FDepth;
    if (FInRecords && FDepth == 1) {
      FInRecords = false;
      return true;
    }
    Target().EndContainer();
    return Finished();
  }

  // A value is complete: a record when it is an entry of the record list, a header member
  // when it is a member of the root.
  bool Finished() {
    try {
      if (FInRecords && FDepth == 2) {
        if (FHandlers.Record) FHandlers.Record(FRecord.Root(), FRecordCount);
        ++FRecordCount;
      } else if (!FInRecords && FDepth == 1 && FRootIsObject && FHandlers.Header) {
        FHandlers.Header(FHeaderKey, TJsonValue(&FHeader, FMemberStart));
      }
      return true;
    } catch (...) {
      FProblem = std::current_exception();
      return false;
    }
  }

  const std::string& FRecordsKey;
  TJsonTree& FHeader;
  TJsonTree& FRecord;
  const TJsonRecordHandlers& FHandlers;
  std::size_t FDepth = 0;
  bool FInRecords = false;
  bool FRootIsObject = false;
  std::size_t FRecordCount = 0;
  std::string FHeaderKey;
  uint32_t FMemberStart = 0;
  std::size_t FHeaderNodes = 0;
  std::exception_ptr FProblem;
};

struct TFileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

}  // namespace

template <class Stream>
void TJsonRecordReader::Parse(Stream& stream, const TJsonRecordHandlers& handlers) {
  FHeader.Clear();
  FRecord.Clear();
  TRecordEvents events(FRecordsKey, FHeader, FRecord, handlers);
  rapidjson::Reader reader;
  constexpr unsigned kFlags = rapidjson::kParseFullPrecisionFlag |
                              rapidjson::kParseValidateEncodingFlag |
                              rapidjson::kParseIterativeFlag;
  const rapidjson::ParseResult result = reader.Parse<kFlags>(stream, events);
  if (events.Problem()) std::rethrow_exception(events.Problem());
  if (!result)
    throw EJsonSyntax(std::string(rapidjson::GetParseError_En(result.Code())) + " (at byte " +
                      std::to_string(result.Offset()) + ")");
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
