// Tables of records read as a stream: each row becomes the record it stands for (handle from
// the runs, the table's plain members, cells by column name, shared values, "group.field"
// nested, zero cells left out), members of the document outside the tables stay in the header,
// and tables that do not describe their rows are refused with the problem named.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/JsonRecordReader.h"
#include "common/RecordTable.h"

namespace {

// Compact JSON of a value, members in their order.
std::string Dump(TJsonValue value) {
  switch (value.Type()) {
    case TJsonType::Null: return "null";
    case TJsonType::Boolean: return value.Boolean() ? "true" : "false";
    case TJsonType::Signed: return std::to_string(value.Signed());
    case TJsonType::Unsigned: return std::to_string(value.Unsigned());
    case TJsonType::Real: return std::to_string(value.Real());
    case TJsonType::Text: return "\"" + std::string(value.Text()) + "\"";
    case TJsonType::List:
    case TJsonType::Object: {
      const bool object = value.Type() == TJsonType::Object;
      std::string text = object ? "{" : "[";
      for (const TJsonValue entry : value) {
        if (text.size() > 1) text += ",";
        if (object) text += "\"" + std::string(entry.Key()) + "\":";
        text += Dump(entry);
      }
      return text + (object ? "}" : "]");
    }
  }
  return "?";
}

struct TTablesRead {
  std::vector<std::string> Records;  // "table/row: record"
  std::vector<std::string> HeaderKeys;
  std::string Problem;               // of the first table refused
};

TTablesRead ReadTables(const std::string& text) {
  TTablesRead read;
  TJsonRecordReader reader("objects", "tables");
  TRecordTable table;
  TJsonTree record;
  TJsonRecordHandlers handlers;
  handlers.Header = [&](std::string_view key, TJsonValue) { read.HeaderKeys.emplace_back(key); };
  handlers.TableMember = [&](std::string_view key, TJsonValue value, std::size_t) {
    table.Member(key, value);
  };
  handlers.Row = [&](TJsonValue row, std::size_t index, std::size_t position) {
    read.Records.push_back(std::to_string(index) + "/" + std::to_string(position) + ": " +
                           Dump(table.Record(row, record)));
  };
  handlers.TableEnd = [&](TJsonValue, std::size_t) {
    table.Finish();
    table.Clear();
  };
  try {
    reader.ReadText(text, handlers);
  } catch (const ERecordTable& problem) {
    read.Problem = problem.what();
  }
  return read;
}

TEST(RecordTable, RowsBecomeTheRecordsTheyStandFor) {
  const TTablesRead read = ReadTables(R"({"format": "x", "tables": [
    {"kind": 4, "kindName": "track", "count": 3, "handles": [[10, 2], [40, 1]],
     "columns": ["layer", "top.x", "net", "top.y", "routed"],
     "same": {"width": 5, "top.shape": 1},
     "rows": [[1, 600, 7, 0, true], [32, null, 0, 400, false], [0, 0, null, "", []]]},
    {"kind": 8, "kindName": "net", "count": 1, "handles": [[7, 1]], "columns": ["name"],
     "rows": [["GND"]]}
  ], "after": 1})");
  EXPECT_EQ(read.Problem, "");
  EXPECT_EQ(read.HeaderKeys, (std::vector<std::string>{"format", "after"}));
  EXPECT_EQ(read.Records,
            (std::vector<std::string>{
                "0/0: {\"handle\":10,\"kind\":4,\"kindName\":\"track\",\"layer\":1,"
                "\"top\":{\"x\":600,\"shape\":1},\"net\":7,\"routed\":true,\"width\":5}",
                "0/1: {\"handle\":11,\"kind\":4,\"kindName\":\"track\",\"layer\":32,"
                "\"top\":{\"y\":400,\"shape\":1},\"width\":5}",
                "0/2: {\"handle\":40,\"kind\":4,\"kindName\":\"track\","
                "\"top\":{\"shape\":1},\"width\":5}",
                "1/0: {\"handle\":7,\"kind\":8,\"kindName\":\"net\",\"name\":\"GND\"}"}));
}

TEST(RecordTable, TablesThatDoNotDescribeTheirRowsAreRefused) {
  const struct {
    const char* Name;
    const char* Table;
    const char* Problem;
  } cases[] = {
      {"no count", R"({"handles": [], "columns": [], "rows": []})", "\"count\" is missing"},
      {"no handles", R"({"count": 1, "columns": [], "rows": [[]]})", "\"handles\" is missing"},
      {"no columns", R"({"count": 1, "handles": [[1, 1]], "rows": [[]]})",
       "\"columns\" is missing"},
      {"handles short of the count", R"({"count": 2, "handles": [[1, 1]], "columns": [],
        "rows": [[], []]})", "gives 1 handles for 2 rows"},
      {"a handle run of zero", R"({"count": 0, "handles": [[1, 0]], "columns": [], "rows": []})",
       "outside the handles"},
      {"handle zero", R"({"count": 1, "handles": [[0, 1]], "columns": [], "rows": [[]]})",
       "outside the handles"},
      {"a run that is no pair", R"({"count": 1, "handles": [[1]], "columns": [], "rows": [[]]})",
       "not [first handle, count]"},
      {"a negative count", R"({"count": -1, "handles": [], "columns": [], "rows": []})",
       "\"count\" is not a whole number"},
      {"a row too long", R"({"count": 1, "handles": [[1, 1]], "columns": ["x"], "rows": [[1, 2]]})",
       "row 0 has 2 cells for 1 columns"},
      {"a row that is no list", R"({"count": 1, "handles": [[1, 1]], "columns": [], "rows": [5]})",
       "row 0 is not a list"},
      {"more rows than the count",
       R"({"count": 1, "handles": [[1, 1]], "columns": [], "rows": [[], []]})",
       "row 1 is more than the table's count (1)"},
      {"fewer rows than the count",
       R"({"count": 2, "handles": [[1, 2]], "columns": [], "rows": [[]]})",
       "has 1 rows for a count of 2"},
      {"no rows", R"({"count": 1, "handles": [[1, 1]], "columns": []})", "has 0 rows"},
      {"rows that are no list", R"({"count": 0, "handles": [], "columns": [], "rows": {}})",
       "\"rows\" is not a list"},
      {"a column twice", R"({"count": 0, "handles": [], "columns": ["x", "x"], "rows": []})",
       "field \"x\" is given twice"},
      {"a column also shared",
       R"({"count": 0, "handles": [], "columns": ["x"], "same": {"x": 1}, "rows": []})",
       "field \"x\" is given twice"},
      {"a column named as a plain member",
       R"({"kind": 4, "count": 0, "handles": [], "columns": ["kind"], "rows": []})",
       "field \"kind\" is given twice"},
      {"a column named handle",
       R"({"count": 0, "handles": [], "columns": ["handle"], "rows": []})", "given twice"},
      {"a field two groups deep",
       R"({"count": 0, "handles": [], "columns": ["a.b.c"], "rows": []})", "is not a field name"},
      {"an empty group", R"({"count": 0, "handles": [], "columns": [".x"], "rows": []})",
       "is not a field name"},
      {"a column that is no text",
       R"({"count": 0, "handles": [], "columns": [1], "rows": []})", "not a name"},
      {"shared values that are no object",
       R"({"count": 0, "handles": [], "columns": [], "same": [1], "rows": []})",
       "\"same\" is not an object"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    const TTablesRead read = ReadTables(std::string(R"({"tables": [)") + c.Table + "]}");
    EXPECT_NE(read.Problem.find(c.Problem), std::string::npos) << read.Problem;
  }
}

// A table's members and rows are handed over in document order however the table is
// written; a record list of an older document next to it is read as before.
TEST(RecordTable, RecordListsAndTablesShareOneReader) {
  TJsonRecordReader reader("objects", "tables");
  std::vector<std::string> events;
  TJsonRecordHandlers handlers;
  handlers.Record = [&](TJsonValue record, std::size_t i) {
    events.push_back("record " + std::to_string(i) + " " + Dump(record));
  };
  handlers.TableMember = [&](std::string_view key, TJsonValue value, std::size_t t) {
    events.push_back("member " + std::to_string(t) + " " + std::string(key) + "=" + Dump(value));
  };
  handlers.Row = [&](TJsonValue row, std::size_t t, std::size_t i) {
    events.push_back("row " + std::to_string(t) + "." + std::to_string(i) + " " + Dump(row));
  };
  handlers.TableEnd = [&](TJsonValue table, std::size_t t) {
    events.push_back("end " + std::to_string(t) + " " + Dump(table));
  };
  reader.ReadText(R"({"objects": [{"a": [1]}], "tables": [
      {"count": 2, "rows": [[1, {"b": 2}], [[3]]], "after": "x"}, [7], {"rows": []}]})",
                  handlers);
  EXPECT_EQ(events, (std::vector<std::string>{
                        "record 0 {\"a\":[1]}",
                        "member 0 count=2",
                        "row 0.0 [1,{\"b\":2}]",
                        "row 0.1 [[3]]",
                        "member 0 after=\"x\"",
                        "end 0 {\"count\":2,\"rows\":[],\"after\":\"x\"}",
                        "end 1 [7]",
                        "end 2 {\"rows\":[]}",
                    }));
  EXPECT_EQ(Dump(reader.Header()), "{\"objects\":[],\"tables\":[]}");
}

}  // namespace
