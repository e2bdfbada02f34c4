#include "server/ObjectTableWriter.h"

#include <algorithm>

#include "server/ObjectKinds.h"
#include "server/ParallelWork.h"

namespace standin {
namespace {

// Chunks written per turn of the threads: enough to keep them busy, few enough that the rows
// held apart from the document stay small.
constexpr std::size_t kChunksPerThread = 4;

}  // namespace

TObjectTableWriter::TObjectTableWriter(const TObjectReferences& references,
                                       std::function<bool(std::string_view)> drain,
                                       TTableFormatting formatting)
    : FDrain(std::move(drain)), FFormatting(formatting) {
  FFormatting.Threads = std::max<std::size_t>(FFormatting.Threads, 1);
  FFormatting.ChunkRows = std::max<std::size_t>(FFormatting.ChunkRows, 1);
  FFormatters.reserve(FFormatting.Threads);
  for (std::size_t thread = 0; thread < FFormatting.Threads; ++thread)
    FFormatters.emplace_back(references);
}

std::size_t TObjectTableWriter::ChunkCount(TObjects objects) const {
  return (objects.size() + FFormatting.ChunkRows - 1) / FFormatting.ChunkRows;
}

TTableRowFormatter::TObjects TObjectTableWriter::Chunk(TObjects objects, std::size_t chunk) const {
  const std::size_t first = chunk * FFormatting.ChunkRows;
  return objects.subspan(first, std::min(FFormatting.ChunkRows, objects.size() - first));
}

TTableColumns TObjectTableWriter::Survey(TObjects objects) {
  std::vector<TTableColumns> surveys(ChunkCount(objects));
  RunInParallel(surveys.size(), FFormatting.Threads, [&](std::size_t chunk, std::size_t worker) {
    FFormatters[worker].Survey(Chunk(objects, chunk), surveys[chunk]);
  });
  TTableColumns columns;
  for (std::size_t chunk = 0; chunk < surveys.size(); ++chunk) {
    if (chunk == 0)
      columns = std::move(surveys[0]);
    else if (!columns.Merge(surveys[chunk]))
      FFormatters[0].Survey(Chunk(objects, chunk), columns);
    surveys[chunk] = {};
  }
  columns.Decide(objects.size());
  return columns;
}

void TObjectTableWriter::WriteHead(TJsonWriter& json, uint8_t kind, TObjects objects,
                                   const TTableColumns& columns) {
  json.Key("kind");
  json.Unsigned(kind);
  json.Key("kindName");
  json.Text(ObjectKindName(kind));
  json.Key("count");
  json.Unsigned(objects.size());
  // Objects made one after another have consecutive handles: [first handle, count] runs.
  json.Key("handles");
  json.StartList();
  for (std::size_t i = 0; i < objects.size();) {
    std::size_t end = i + 1;
    while (end < objects.size() && objects[end]->Handle() == objects[end - 1]->Handle() + 1) ++end;
    json.StartList();
    json.Unsigned(objects[i]->Handle());
    json.Unsigned(end - i);
    json.EndList();
    i = end;
  }
  json.EndList();
  json.NewLine();
  json.Key("columns");
  json.StartList();
  for (const std::size_t column : columns.Order())
    if (columns.Column(column).Use == TTableColumns::TUse::Cells)
      json.Text(columns.Column(column).Path);
  json.EndList();
  json.Key("same");
  json.StartObject();
  for (const std::size_t column : columns.Order()) {
    const TTableColumns::TColumn& found = columns.Column(column);
    if (found.Use != TTableColumns::TUse::Same) continue;
    json.Key(found.Path);
    json.Literal(found.First);
  }
  json.EndObject();
}

bool TObjectTableWriter::WriteRows(TJsonWriter& json, TObjects objects,
                                   const TTableColumns& columns) {
  // Each thread finds the fields' columns in a copy of its own.
  std::vector<TTableColumns> own(FFormatting.Threads, columns);
  const std::size_t chunks = ChunkCount(objects);
  const std::size_t perTurn = FFormatting.Threads * kChunksPerThread;
  // Two sets of chunk texts: while the rows of one turn are formatted, one thread takes those
  // of the turn before to the file.
  FChunkTexts.resize(2 * std::min(perTurn, chunks));
  bool drained = true;
  const auto drainTurn = [&](std::size_t set, std::size_t count) {
    for (std::size_t chunk = 0; chunk < count && drained; ++chunk) {
      drained = json.BufferSize() == 0 || FDrain(json.Buffer());
      json.Drained();
      drained = drained && FDrain(json.EntriesBeside(FChunkTexts[set * perTurn + chunk]));
    }
  };
  std::size_t waiting = 0, waitingSet = 0;
  for (std::size_t first = 0, turn = 0; first < chunks && drained; first += perTurn, ++turn) {
    const std::size_t count = std::min(perTurn, chunks - first);
    const std::size_t set = turn % 2;
    RunInParallel(count + 1, FFormatting.Threads, [&](std::size_t item, std::size_t worker) {
      if (item == 0) return drainTurn(waitingSet, waiting);
      std::string& text = FChunkTexts[set * perTurn + item - 1];
      text.clear();
      FFormatters[worker].Write(Chunk(objects, first + item - 1), own[worker], text);
    });
    waiting = count;
    waitingSet = set;
  }
  drainTurn(waitingSet, waiting);
  return drained;
}

bool TObjectTableWriter::Write(TJsonWriter& json, uint8_t kind,
                               const std::vector<const TBoardObject*>& objects) {
  const TObjects all(objects);
  const TTableColumns columns = Survey(all);
  json.NewLine();
  json.StartObject();
  WriteHead(json, kind, all, columns);
  json.Key("rows");
  json.StartList();
  if (!WriteRows(json, all, columns)) return false;
  json.NewLine();
  json.EndList();
  json.EndObject();
  return true;
}

}  // namespace standin
