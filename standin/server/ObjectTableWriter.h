// Writes the objects of one kind as a table of a board document (see RecordTable.h): the
// objects are visited twice, once to find the columns their fields need (TableColumns.h) and
// once to write their rows. Both visits share the rows out in chunks among a few threads
// (TableRowFormatter.h); the chunks' surveys are merged in row order and their rows written in
// row order, so the document is the same on any number of threads. Only a few chunks of rows
// are ever held apart from the document's text.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "common/JsonWriter.h"
#include "server/BoardObject.h"
#include "server/ObjectReferences.h"
#include "server/TableColumns.h"
#include "server/TableRowFormatter.h"

namespace standin {

// How a table's rows are formatted: on how many threads, and how many rows a thread takes at
// a time.
struct TTableFormatting {
  std::size_t Threads = 2;
  std::size_t ChunkRows = 4096;
};

class TObjectTableWriter {
public:
  // drain(text) takes the document's text piece by piece: what the JSON writer holds before
  // each chunk of rows, then the chunk; false from it stops the writing. It is called by one
  // thread at a time, in order, though not always by the caller's thread.
  TObjectTableWriter(const TObjectReferences& references,
                     std::function<bool(std::string_view)> drain, TTableFormatting formatting = {});

  // The table of the objects (all of the kind, in document order) as the next list entry.
  bool Write(TJsonWriter& json, uint8_t kind, const std::vector<const TBoardObject*>& objects);

private:
  using TObjects = TTableRowFormatter::TObjects;

  // The columns of the objects' table, decided.
  TTableColumns Survey(TObjects objects);
  bool WriteRows(TJsonWriter& json, TObjects objects, const TTableColumns& columns);
  void WriteHead(TJsonWriter& json, uint8_t kind, TObjects objects, const TTableColumns& columns);
  TObjects Chunk(TObjects objects, std::size_t chunk) const;
  std::size_t ChunkCount(TObjects objects) const;

  std::function<bool(std::string_view)> FDrain;
  TTableFormatting FFormatting;
  std::vector<TTableRowFormatter> FFormatters;  // one a thread
  std::vector<std::string> FChunkTexts;         // the rows of the chunks being written
};

}  // namespace standin
