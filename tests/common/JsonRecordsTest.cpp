// JSON written by TJsonWriter and read back record by record by TJsonRecordReader: values of
// every kind at their limits, byte strings, members found in any order, records handed over
// one at a time, and text that is not JSON refused without harm.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <stdexcept>
#include <string>
#include <vector>

#include "common/DocumentText.h"
#include "common/JsonRecordReader.h"
#include "common/JsonTree.h"
#include "common/JsonWriter.h"

namespace {

struct TRead {
  std::vector<std::string> HeaderKeys;
  std::vector<std::size_t> RecordIndexes;
  std::vector<std::string> RecordNames;
};

TRead ReadAll(TJsonRecordReader& reader, const std::string& text) {
  TRead read;
  TJsonRecordHandlers handlers;
  handlers.Header = [&](std::string_view key, TJsonValue) { read.HeaderKeys.emplace_back(key); };
  handlers.Record = [&](TJsonValue record, std::size_t index) {
    read.RecordIndexes.push_back(index);
    read.RecordNames.emplace_back(record.Find("name").Text());
  };
  reader.ReadText(text, handlers);
  return read;
}

TEST(JsonRecords, ValuesAtTheirLimitsComeBackAsWritten) {
  const std::string bytes = [] {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    return all;
  }();
  TJsonWriter json;
  json.StartObject();
  json.Key("least");
  json.Signed(std::numeric_limits<int64_t>::min());
  json.Key("most");
  json.Unsigned(std::numeric_limits<uint64_t>::max());
  json.Key("tenth");
  json.Real(0.1);
  json.Key("whole");
  json.Real(3.0);
  json.Key("huge");
  json.Real(-1.7976931348623157e308);
  json.Key("bytes");
  json.Bytes(bytes);
  json.Key("quote \"key\"");
  json.Boolean(true);
  json.Key("nothing");
  json.Null();
  json.EndObject();
  EXPECT_NE(json.Buffer().find("\"whole\":3.0"), std::string::npos) << json.Buffer();

  TJsonRecordReader reader("records");
  ReadAll(reader, json.Buffer());
  const TJsonValue root = reader.Header();
  ASSERT_TRUE(root.IsObject());
  EXPECT_EQ(root.Size(), 8u);
  EXPECT_EQ(root.Find("least").Signed(), std::numeric_limits<int64_t>::min());
  EXPECT_TRUE(root.Find("most").IsUnsigned());
  EXPECT_EQ(root.Find("most").Unsigned(), std::numeric_limits<uint64_t>::max());
  EXPECT_EQ(root.Find("tenth").Real(), 0.1);
  EXPECT_FALSE(root.Find("whole").IsInteger()) << "a real number stays one";
  EXPECT_EQ(root.Find("whole").Real(), 3.0);
  EXPECT_EQ(root.Find("huge").Real(), -1.7976931348623157e308);
  EXPECT_EQ(DocumentTextToBytes(root.Find("bytes").Text()), bytes);
  EXPECT_TRUE(root.Find("quote \"key\"").Boolean());
  EXPECT_TRUE(root.Find("nothing").IsNull());
  EXPECT_FALSE(root.Find("absent").Exists());
  EXPECT_STREQ(root.Find("absent").TypeName(), "missing");
}

TEST(JsonRecords, MembersAreFoundInAnyOrderFromACursor) {
  TJsonRecordReader reader("records");
  ReadAll(reader, R"({"a": 1, "b": [1, [2, 3], {"x": 4}], "c": {"d": 5}, "e": 6})");
  const TJsonValue root = reader.Header();
  uint32_t cursor = 0;
  std::vector<int64_t> found;
  for (const char* key : {"a", "e", "c", "zz", "b", "a", "e"}) {
    const TJsonValue value = root.Find(key, &cursor);
    found.push_back(!value.Exists() ? -1 : value.IsInteger() ? value.Signed() : value.Size());
  }
  EXPECT_EQ(found, (std::vector<int64_t>{1, 6, 1, -1, 3, 1, 6}));
  const TJsonValue list = root.Find("b");
  EXPECT_EQ(list.At(1).At(1).Signed(), 3);
  EXPECT_EQ(list.At(2).Find("x").Signed(), 4);
  EXPECT_FALSE(list.At(3).Exists());
  std::vector<std::string> keys;
  for (const TJsonValue member : root) keys.emplace_back(member.Key());
  EXPECT_EQ(keys, (std::vector<std::string>{"a", "b", "c", "e"}));
}

// Objects of few and of many members (more keys than an object keeps key bits for), built by
// the reader and copied: every member is found, no other key is, and letter case counts.
TEST(JsonRecords, EveryMemberIsFoundAndNoOtherKey) {
  for (const int members : {1, 5, 40, 300}) {
    SCOPED_TRACE(members);
    std::string text = "{";
    for (int i = 0; i < members; ++i)
      text += (i ? ", \"" : "\"") + std::string("field") + std::to_string(i) + "\": " +
              std::to_string(i);
    text += "}";
    TJsonRecordReader reader("records");
    ReadAll(reader, text);
    TJsonTree copy;
    copy.Copy(reader.Header());
    for (const TJsonValue root : {reader.Header(), copy.Root()}) {
      for (int i = 0; i < members; ++i) {
        const std::string key = "field" + std::to_string(i);
        EXPECT_EQ(root.Find(key).Signed(), i) << key;
        EXPECT_FALSE(root.Find(key + "x").Exists()) << key;
      }
      EXPECT_FALSE(root.Find("FIELD0").Exists());
      EXPECT_FALSE(root.Find("").Exists());
    }
  }
}

TEST(JsonRecords, RecordsAreHandedOverOneByOneAndTheHeaderKeepsTheRest) {
  TJsonRecordReader reader("records");
  const TRead read = ReadAll(
      reader, R"({"format": "f", "records": [{"name": "r0"}, {"name": "r1"}, 7], "tail": [1]})");
  EXPECT_EQ(read.HeaderKeys, (std::vector<std::string>{"format", "tail"}));
  EXPECT_EQ(read.RecordIndexes, (std::vector<std::size_t>{0, 1, 2}));
  EXPECT_EQ(read.RecordNames, (std::vector<std::string>{"r0", "r1", ""}));
  const TJsonValue records = reader.Header().Find("records");
  EXPECT_TRUE(records.IsList());
  EXPECT_EQ(records.Size(), 0u) << "the records are not kept";
  EXPECT_EQ(reader.Header().Find("tail").At(0).Signed(), 1);

  // A record list that is no list stays in the header; a root that is no object has no members.
  EXPECT_TRUE(ReadAll(reader, R"({"records": {"name": "r"}})").RecordIndexes.empty());
  EXPECT_TRUE(reader.Header().Find("records").IsObject());
  EXPECT_TRUE(ReadAll(reader, R"([{"records": []}])").HeaderKeys.empty());
  EXPECT_TRUE(reader.Header().IsList());
}

TEST(JsonRecords, AContainerLeftEmptyIsTakenBack) {
  TJsonWriter json;
  json.StartObject();
  json.Key("kept");
  json.Signed(1);
  const TJsonWriter::TMark mark = json.Mark();
  json.Key("empty");
  json.StartObject();
  json.Rewind(mark);
  json.Key("last");
  json.StartList();
  json.EndList();
  json.EndObject();
  EXPECT_EQ(json.Buffer(), R"({"kept":1,"last":[]})");
}

TEST(JsonRecords, TextThatIsNotJsonIsRefused) {
  const std::string deep(100000, '[');
  const char* cases[] = {
      "",  "{", R"({"records": [{"name": "r0"}, {"na)", R"({"a": 1} x)", "{\"a\": \"\xC3\"}",
      R"({"a": 01})", R"({"a": NaN})", "{\"a\": \"tab\there\"}", R"({"a": 1e400})",
      deep.c_str()};
  TJsonRecordReader reader("records");
  for (const char* text : cases) {
    SCOPED_TRACE(std::string(text).substr(0, 40));
    EXPECT_THROW(ReadAll(reader, text), EJsonSyntax);
  }
}

TEST(JsonRecords, AHandlerThatFailsEndsTheReading) {
  TJsonRecordReader reader("records");
  int seen = 0;
  TJsonRecordHandlers handlers;
  handlers.Record = [&](TJsonValue, std::size_t index) {
    ++seen;
    if (index == 1) throw std::invalid_argument("bad record");
  };
  EXPECT_THROW(reader.ReadText(R"({"records": [{}, {}, {}, {}]})", handlers),
               std::invalid_argument);
  EXPECT_EQ(seen, 2);
}

}  // namespace
