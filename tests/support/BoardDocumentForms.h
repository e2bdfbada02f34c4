// A board document's objects in both of its forms, decoded and encoded here on their own (not
// by the host's reader and writer): version 1 lists each object as a record with named fields;
// version 2 keeps a table per kind, its handles in [first, count] runs, its fields as columns
// (null, 0, false, "", [] or {} in a cell: left out), the values every row shares in "same",
// and the fields of a group as "group.field".
#pragma once

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstdint>
#include <string>
#include <type_traits>
#include <vector>

namespace board_document {

using TJson = nlohmann::ordered_json;

// Any of nlohmann's JSON types (ordered or not).
template <class J>
concept TAnyJson = std::is_same_v<J, nlohmann::json> || std::is_same_v<J, nlohmann::ordered_json>;

template <TAnyJson TJson>
bool IsLeftOut(const TJson& cell) {
  return cell.is_null() || cell == false || (cell.is_number() && cell == 0) || cell == "" ||
         ((cell.is_array() || cell.is_object()) && cell.empty());
}

// The objects as version 1 records, in handle order (the order they were made in); a version 1
// document's own list as it is. Every record starts with "handle", "kind", "kindName" and
// "container", as version 1 writes them.
template <TAnyJson TJson>
TJson RecordsOf(const TJson& document) {
  if (document.contains("objects")) return document["objects"];
  TJson records = TJson::array();
  for (const TJson& table : document.at("tables")) {
    std::vector<uint64_t> handles;
    for (const TJson& run : table.at("handles"))
      for (uint64_t i = 0; i < run.at(1).template get<uint64_t>(); ++i)
        handles.push_back(run.at(0).template get<uint64_t>() + i);
    const TJson& columns = table.at("columns");
    const TJson& rows = table.at("rows");
    for (std::size_t r = 0; r < rows.size(); ++r) {
      TJson record = {{"handle", handles.at(r)},
                      {"kind", table.at("kind")},
                      {"kindName", table.at("kindName")},
                      {"container", 0}};
      const auto put = [&](const std::string& path, const TJson& value) {
        if (IsLeftOut(value)) return;
        const std::size_t dot = path.find('.');
        if (dot == std::string::npos)
          record[path] = value;
        else
          record[path.substr(0, dot)][path.substr(dot + 1)] = value;
      };
      for (std::size_t c = 0; c < columns.size(); ++c) put(columns[c], rows[r].at(c));
      if (table.contains("same"))
        for (auto same = table["same"].begin(); same != table["same"].end(); ++same)
          put(same.key(), same.value());
      records.push_back(record);
    }
  }
  std::stable_sort(records.begin(), records.end(), [](const TJson& a, const TJson& b) {
    return a["handle"].template get<uint64_t>() < b["handle"].template get<uint64_t>();
  });
  return records;
}

// The document in version 1 form.
template <TAnyJson TJson>
TJson AsVersion1(const TJson& document) {
  TJson result = document;
  result["version"] = 1;
  result.erase("tables");
  result["objects"] = RecordsOf(document);
  return result;
}

// The document in version 2 form, plainly: a table per kind in the order kinds first appear,
// a column for every field any record has (groups flattened), every cell written, no "same".
template <TAnyJson TJson>
TJson AsVersion2(const TJson& document) {
  TJson result = document;
  result["version"] = 2;
  result.erase("objects");
  std::vector<TJson> tables;
  std::vector<std::vector<TJson>> flatRows;
  for (const TJson& record : RecordsOf(document)) {
    TJson flat = TJson::object();
    for (auto field = record.begin(); field != record.end(); ++field) {
      if (field.key() == "handle" || field.key() == "kind" || field.key() == "kindName") continue;
      if (field.value().is_object())
        for (auto member = field.value().begin(); member != field.value().end(); ++member)
          flat[field.key() + "." + member.key()] = member.value();
      else
        flat[field.key()] = field.value();
    }
    auto table = std::find_if(tables.begin(), tables.end(), [&](const TJson& t) {
      return t["kind"] == record["kind"] && t["kindName"] == record["kindName"];
    });
    if (table == tables.end()) {
      tables.push_back({{"kind", record["kind"]},
                        {"kindName", record["kindName"]},
                        {"count", 0},
                        {"handles", TJson::array()},
                        {"columns", TJson::array()},
                        {"rows", TJson::array()}});
      flatRows.emplace_back();
      table = tables.end() - 1;
    }
    TJson& t = *table;
    t["count"] = t["count"].template get<uint64_t>() + 1;
    t["handles"].push_back({record["handle"], 1});
    for (auto field = flat.begin(); field != flat.end(); ++field)
      if (std::find(t["columns"].begin(), t["columns"].end(), field.key()) == t["columns"].end())
        t["columns"].push_back(field.key());
    flatRows[static_cast<std::size_t>(table - tables.begin())].push_back(flat);
  }
  result["tables"] = TJson::array();
  for (std::size_t i = 0; i < tables.size(); ++i) {
    for (const TJson& flat : flatRows[i]) {
      TJson row = TJson::array();
      for (const TJson& column : tables[i]["columns"])
        row.push_back(flat.contains(column.template get<std::string>())
                          ? flat[column.template get<std::string>()]
                          : TJson());
      tables[i]["rows"].push_back(row);
    }
    result["tables"].push_back(tables[i]);
  }
  return result;
}

}  // namespace board_document
