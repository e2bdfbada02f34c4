#include "server/BoardDocumentFile.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <vector>

#include "common/JsonRecordReader.h"
#include "common/JsonWriter.h"
#include "common/RecordTable.h"
#include "common/SafeFile.h"
#include "common/StableSortRuns.h"
#include "server/Board.h"
#include "server/ComponentObject.h"
#include "server/DocumentFields.h"
#include "server/LoadedHandles.h"
#include "server/ObjectDocument.h"
#include "server/ObjectKinds.h"
#include "server/ObjectTableWriter.h"
#include "server/PcbModel.h"

namespace standin {
namespace {

constexpr const char* kFormatName = "pcbdoc";
// Version 1 lists the objects as whole records; version 2 keeps them in a table per kind.
constexpr int64_t kFormatVersion = 2;

// Loading ----------------------------------------------------------------------------------

struct TLoadedDocument {
  TBoardSettings Settings = NewBoardSettings();
  TLayerStack Layers;
  PcbHandle Outline = 0;
  std::vector<TLoadedObject> Objects;
  bool EmptyFile = false;
  int64_t Version = 0;
};

// "format" and "version" are checked as soon as they are read, before any object.
void CheckHeaderValue(std::string_view key, TJsonValue value, int64_t& version) {
  if (key == "format" && !(value.IsText() && value.Text() == kFormatName))
    throw EBoardDocument("is not a board document (\"format\" is not \"pcbdoc\")");
  if (key != "version") return;
  if (!value.IsInteger() || value.Signed() < 1)
    throw EBoardDocument("field \"version\" is not a version number");
  if (value.Signed() > kFormatVersion)
    throw EBoardDocument("was written by a newer version of the program (document version " +
                         std::to_string(value.Signed()) + ", this one reads version " +
                         std::to_string(kFormatVersion) + ")");
  version = value.Signed();
}

// The tables of a version 2 document, turned into records row by row.
class TTableLoader {
public:
  explicit TTableLoader(std::vector<TLoadedObject>& objects) : FObjects(objects) {}

  void Member(std::string_view key, TJsonValue value, std::size_t table) {
    Guard(table, [&] { FTable.Member(key, value); });
    if (key != "count") return;
    FRowsLeft = FTable.Count();
    MakeRoom();
  }
  void Row(TJsonValue row, std::size_t table, std::size_t index) {
    TJsonValue record;
    Guard(table, [&] { record = FTable.Record(row, FRecord); });
    if (FObjects.size() == FObjects.capacity()) MakeRoom();
    FObjects.push_back(ReadObjectEntry(record, index, table));
    if (FRowsLeft > 0) --FRowsLeft;
  }
  void End(TJsonValue table, std::size_t index) {
    if (!table.IsObject()) Fail(index, "is not an object");
    Guard(index, [&] { FTable.Finish(); });
    FTable.Clear();
  }

private:
  // Room for the rows the table has yet to give, taken a million at a time or the size of
  // the list, whichever is more: a count that no rows back up claims little memory, and a
  // list of honest counts is moved rarely and ends the size of the objects.
  void MakeRoom() {
    constexpr std::size_t kStep = std::size_t{1} << 20;
    const std::size_t step = std::min(std::max<std::size_t>(FRowsLeft, 1),
                                      std::max(FObjects.size(), kStep));
    const std::size_t needed = FObjects.size() + step;
    if (needed > FObjects.capacity()) FObjects.reserve(needed);
  }

  [[noreturn]] static void Fail(std::size_t table, const std::string& problem) {
    throw EBoardDocument("tables[" + std::to_string(table) + "]: " + problem);
  }
  template <class Step>
  static void Guard(std::size_t table, Step&& step) {
    try {
      step();
    } catch (const ERecordTable& problem) {
      Fail(table, problem.what());
    }
  }

  std::vector<TLoadedObject>& FObjects;
  std::size_t FRowsLeft = 0;  // of the table being read, by its count
  TRecordTable FTable;
  TJsonTree FRecord;
};

// The objects are read one by one as the parser completes them and are not kept as JSON.
// False when the file cannot be read (reason in *error); an empty file is an empty board.
bool ParseDocument(const std::string& path, TLoadedDocument& document, std::string* error) {
  TJsonRecordReader parser("objects", "tables");
  TJsonRecordHandlers handlers;
  handlers.Header = [&](std::string_view key, TJsonValue value) {
    CheckHeaderValue(key, value, document.Version);
  };
  handlers.Record = [&](TJsonValue entry, std::size_t index) {
    document.Objects.push_back(ReadObjectEntry(entry, index));
  };
  TTableLoader tables(document.Objects);
  handlers.TableMember = [&](std::string_view key, TJsonValue value, std::size_t table) {
    tables.Member(key, value, table);
  };
  handlers.Row = [&](TJsonValue row, std::size_t table, std::size_t index) {
    tables.Row(row, table, index);
  };
  handlers.TableEnd = [&](TJsonValue table, std::size_t index) { tables.End(table, index); };
  if (!parser.ReadFile(path, handlers, error)) return false;
  const TJsonValue root = parser.Header();
  document.EmptyFile = !root.Exists();
  if (document.EmptyFile) return true;
  if (!root.IsObject()) throw EBoardDocument("is not a board document (no JSON object)");
  TFieldReader reader(root, "");
  reader.Field("format");
  reader.Field("version");
  reader.Group("board", [&](TFieldReader& board) {
    ReadBoardFields(board, document.Settings, document.Outline);
  });
  document.Layers.ReadFields(reader);
  ReadLayerPairFields(reader, document.Settings.LayerPairs);
  // A version 1 document lists its objects, a version 2 one keeps them in tables; the tables
  // list them by kind, and their handles give back the order the objects were made in.
  const bool inTables = document.Version >= 2;
  reader.ListField(inTables ? "tables" : "objects");
  if (reader.Value(inTables ? "objects" : "tables").Exists())
    reader.Fail(inTables ? "objects" : "tables", "does not belong to a version " +
                                                     std::to_string(document.Version) + " document");
  if (inTables)
    StableSortRuns(document.Objects.begin(), document.Objects.end(),
                     [](const TLoadedObject& a, const TLoadedObject& b) { return a.Handle < b.Handle; });
  return true;
}

std::vector<PcbHandle> HandlesOf(const TLoadedDocument& document) {
  std::vector<PcbHandle> handles;
  handles.reserve(document.Objects.size());
  for (const TLoadedObject& loaded : document.Objects) handles.push_back(loaded.Handle);
  return handles;
}

// Every handle an object names must be one of the document's objects of the right kind.
void CheckReferences(const TLoadedDocument& document, const TLoadedHandles& handles) {
  if (const std::optional<std::size_t> repeated = handles.FirstRepeated()) {
    const TLoadedObject& loaded = document.Objects[*repeated];
    throw EBoardDocument(loaded.Where() + ": handle " + std::to_string(loaded.Handle) +
                         " is used twice");
  }
  const auto kindOf = [&](PcbHandle handle) -> const TLoadedObject* {
    const std::optional<std::size_t> found = handles.Find(handle);
    return found ? &document.Objects[*found] : nullptr;
  };
  const auto fail = [](const TLoadedObject& loaded, const std::string& problem) {
    throw EBoardDocument(loaded.Where() + ": " + problem);
  };
  const TLoadedObject* outline = nullptr;
  for (const TLoadedObject& loaded : document.Objects) {
    const TBoardObject& object = *loaded.Object;
    if (loaded.Container != 0) {
      const TLoadedObject* container = kindOf(loaded.Container);
      if (!container || container->Object->Kind() != kPcbObjectComponent)
        fail(loaded, "container " + std::to_string(loaded.Container) + " is not a component");
      if (!IsComponentPrimitiveKind(object.Kind())) fail(loaded, "a component cannot hold it");
    }
    const PcbHandle net = object.Common().Net;
    if (net != 0 && (!kindOf(net) || kindOf(net)->Object->Kind() != kPcbObjectNet))
      fail(loaded, "net " + std::to_string(net) + " is not a net");
    if (object.Kind() == kPcbObjectBoardOutline) {
      if (outline) fail(loaded, "is a second board outline");
      outline = &loaded;
    }
    if (object.Kind() != kPcbObjectComponent) continue;
    const auto& component = static_cast<const TComponentObject&>(object);
    if (object.Common().Layer != kTopLayer && object.Common().Layer != kBottomLayer)
      fail(loaded, "field \"layer\" is neither TopLayer (1) nor BottomLayer (32)");
    for (const PcbHandle text :
         {component.Record().designatorText, component.Record().secondText}) {
      const TLoadedObject* found = text != 0 ? kindOf(text) : nullptr;
      if (text != 0 && (!found || found->Object->Kind() != kPcbObjectText ||
                        found->Container != loaded.Handle))
        fail(loaded, "text " + std::to_string(text) + " is not a text of the component");
    }
  }
  const PcbHandle named = outline ? outline->Handle : 0;
  if (document.Outline != named)
    throw EBoardDocument("board: field \"boardOutline\" does not name the board outline (" +
                         std::to_string(named) + ")");
}

// Gives the objects new handles and puts them into their containers. Nothing can fail here
// but a broken promise of CheckReferences, which undoes everything.
void Commit(TPcbModel& model, TBoard& board, TLoadedDocument&& document,
            const TLoadedHandles& loadedHandles) {
  std::vector<PcbHandle> handles;
  handles.reserve(document.Objects.size());
  for (TLoadedObject& loaded : document.Objects)
    handles.push_back(model.Adopt(std::move(loaded.Object)));
  const THandleMap map = [&](PcbHandle handle) -> PcbHandle {
    const std::optional<std::size_t> found = loadedHandles.Find(handle);
    return found ? handles[*found] : 0;
  };
  for (const PcbHandle handle : handles) model.Find(handle)->RemapHandles(map);
  board.Settings() = std::move(document.Settings);
  board.Layers() = document.Layers;
  for (std::size_t i = 0; i < handles.size(); ++i) {
    const PcbHandle container = document.Objects[i].Container;
    if (model.Add(container != 0 ? map(container) : board.Handle(), handles[i]) == kPcbOk) continue;
    for (const PcbHandle handle : handles) model.Destroy(handle);
    throw EBoardDocument(document.Objects[i].Where() + ": cannot be placed in its container");
  }
  board.SetModified(false);
}

bool Refuse(const TBoard& board, const std::string& problem, std::string* error) {
  if (error) *error = "cannot load board document " + board.FileName() + ": " + problem;
  return false;
}


// Writes the document in pieces: drain(text) takes each piece; false from it stops the writing.
template <class Drain>
bool WriteDocument(const TPcbModel& model, const TBoard& board, TTableFormatting formatting,
                   Drain&& drain) {
  TJsonWriter json;
  TFieldWriter writer(json);
  json.StartObject();
  json.Key("format");
  json.Text(kFormatName);
  writer.Always("version", kFormatVersion);
  json.NewLine();
  writer.Group("board", [&](TFieldWriter& fields) {
    WriteBoardFields(fields, board.Settings(), board.FileName(), board.Outline());
  });
  json.NewLine();
  board.Layers().WriteFields(writer);
  json.NewLine();
  WriteLayerPairFields(writer, board.Settings().LayerPairs);
  // The objects by kind, each kind in document (creation) order.
  std::vector<std::vector<const TBoardObject*>> byKind(256);
  for (std::size_t kind = 0; kind < byKind.size(); ++kind) {
    const TBoardIndex::THandles* handles = board.Index().OfKind(static_cast<uint8_t>(kind));
    if (!handles) continue;
    byKind[kind].reserve(handles->Size());
    for (const PcbHandle handle : *handles)
      if (const TBoardObject* object = model.Find(handle)) byKind[kind].push_back(object);
  }
  const TObjectReferences references(model, board, byKind[kPcbObjectNet],
                                     byKind[kPcbObjectComponent]);
  TObjectTableWriter tables(references, drain, formatting);
  json.Key("tables");
  json.StartList();
  for (std::size_t kind = 0; kind < byKind.size(); ++kind) {
    if (byKind[kind].empty()) continue;
    if (!tables.Write(json, static_cast<uint8_t>(kind), byKind[kind])) return false;
    byKind[kind] = {};
  }
  json.NewLine();
  json.EndList();
  json.EndObject();
  json.NewLine();
  return drain(std::string_view(json.Buffer()));
}

}  // namespace

std::string BoardDocumentText(const TPcbModel& model, const TBoard& board,
                              TTableFormatting formatting) {
  std::string text;
  WriteDocument(model, board, formatting, [&](std::string_view piece) {
    text += piece;
    return true;
  });
  return text;
}

bool SaveBoardDocument(const TPcbModel& model, const TBoard& board, std::string* error) {
  try {
    TReplacingFile file(board.FileName());
    if (!file.Open(error)) return false;
    WriteDocument(model, board, TTableFormatting(),
                  [&](std::string_view piece) { return file.Write(piece); });
    return file.Commit(error);
  } catch (const std::exception& problem) {
    if (error) *error = "cannot save board document " + board.FileName() + ": " + problem.what();
    return false;
  }
}

bool LoadBoardDocument(TPcbModel& model, TBoard& board, std::string* error) {
  try {
    TLoadedDocument document;
    std::string readError;
    if (!ParseDocument(board.FileName(), document, &readError))
      return Refuse(board, readError, error);
    if (document.EmptyFile) return true;
    const TLoadedHandles handles(HandlesOf(document));
    CheckReferences(document, handles);
    Commit(model, board, std::move(document), handles);
    return true;
  } catch (const EBoardDocument& problem) {
    return Refuse(board, problem.what(), error);
  } catch (const EJsonSyntax& problem) {
    return Refuse(board, std::string("is not valid JSON: ") + problem.what(), error);
  } catch (const std::exception& problem) {
    return Refuse(board, problem.what(), error);
  }
}

}  // namespace standin
