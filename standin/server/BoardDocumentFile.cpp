#include "server/BoardDocumentFile.h"

#include <unordered_map>
#include <vector>

#include "common/SafeFile.h"
#include "server/Board.h"
#include "server/ComponentObject.h"
#include "server/DocumentFields.h"
#include "server/ObjectDocument.h"
#include "server/ObjectKinds.h"
#include "server/PcbModel.h"

namespace standin {
namespace {

constexpr const char* kFormatName = "pcbdoc";
constexpr int64_t kFormatVersion = 1;

// Document text --------------------------------------------------------------------------------

// A list with one entry per line.
std::string ListText(const TJson& list) {
  if (list.empty()) return "[]";
  std::string text = "[";
  for (std::size_t i = 0; i < list.size(); ++i) {
    text += i == 0 ? "\n    " : ",\n    ";
    text += list[i].dump();
  }
  return text + "\n  ]";
}

// An object with one field per line, at the indentation of its key; lists stay on one line.
std::string NestedText(const TJson& object, const std::string& indent = "  ") {
  if (object.empty()) return "{}";
  std::string text = "{";
  const std::string inner = indent + "  ";
  for (auto field = object.begin(); field != object.end(); ++field) {
    text += field == object.begin() ? "\n" : ",\n";
    text += inner + TJson(field.key()).dump() + ": ";
    text += field->is_object() ? NestedText(*field, inner) : field->dump();
  }
  return text + "\n" + indent + "}";
}

// Loading ----------------------------------------------------------------------------------

struct TLoadedDocument {
  TBoardSettings Settings = NewBoardSettings();
  TLayerStack Layers;
  PcbHandle Outline = 0;
  std::vector<TLoadedObject> Objects;
};

// "format" and "version" are checked as soon as they are read, before any object.
void CheckHeaderValue(const std::string& key, const TJson& value) {
  if (key == "format" && value != kFormatName)
    throw EBoardDocument("is not a board document (\"format\" is not \"pcbdoc\")");
  if (key != "version") return;
  if (!value.is_number_integer() || value.get<int64_t>() < 1)
    throw EBoardDocument("field \"version\" is not a version number");
  if (value.get<int64_t>() > kFormatVersion)
    throw EBoardDocument("was written by a newer version of the program (document version " +
                         std::to_string(value.get<int64_t>()) + ", this one reads version " +
                         std::to_string(kFormatVersion) + ")");
}

// The objects are read one by one as the parser completes them and are not kept as JSON.
TLoadedDocument ParseDocument(const std::string& bytes) {
  TLoadedDocument document;
  std::string section;
  const auto callback = [&](int depth, TJson::parse_event_t event, TJson& parsed) {
    if (depth == 1 && event == TJson::parse_event_t::key) {
      section = parsed.get<std::string>();
    } else if (depth == 1 && event == TJson::parse_event_t::value) {
      CheckHeaderValue(section, parsed);
    } else if (depth == 2 && event == TJson::parse_event_t::object_end && section == "objects") {
      document.Objects.push_back(ReadObjectEntry(parsed, document.Objects.size()));
      return false;
    }
    return true;
  };
  const TJson root = TJson::parse(bytes, callback);
  if (!root.is_object()) throw EBoardDocument("is not a board document (no JSON object)");
  TFieldReader reader(root, "");
  reader.Field("format");
  reader.Field("version");
  reader.Group("board", [&](TFieldReader& board) {
    ReadBoardFields(board, document.Settings, document.Outline);
  });
  document.Layers.ReadFields(reader);
  ReadLayerPairFields(reader, document.Settings.LayerPairs);
  reader.ListField("objects");
  return document;
}

// Every handle an object names must be one of the document's objects of the right kind.
void CheckReferences(const TLoadedDocument& document) {
  std::unordered_map<PcbHandle, const TLoadedObject*> byHandle;
  byHandle.reserve(document.Objects.size());
  for (const TLoadedObject& loaded : document.Objects)
    if (!byHandle.emplace(loaded.Handle, &loaded).second)
      throw EBoardDocument(loaded.Where + ": handle " + std::to_string(loaded.Handle) +
                           " is used twice");
  const auto kindOf = [&](PcbHandle handle) -> const TLoadedObject* {
    const auto found = byHandle.find(handle);
    return found == byHandle.end() ? nullptr : found->second;
  };
  const auto fail = [](const TLoadedObject& loaded, const std::string& problem) {
    throw EBoardDocument(loaded.Where + ": " + problem);
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
void Commit(TPcbModel& model, TBoard& board, TLoadedDocument&& document) {
  std::unordered_map<PcbHandle, PcbHandle> renumbered;
  renumbered.reserve(document.Objects.size());
  std::vector<PcbHandle> handles;
  handles.reserve(document.Objects.size());
  for (TLoadedObject& loaded : document.Objects) {
    handles.push_back(model.Adopt(std::move(loaded.Object)));
    renumbered.emplace(loaded.Handle, handles.back());
  }
  const THandleMap map = [&](PcbHandle handle) -> PcbHandle {
    const auto found = renumbered.find(handle);
    return found == renumbered.end() ? 0 : found->second;
  };
  for (const PcbHandle handle : handles) model.Find(handle)->RemapHandles(map);
  board.Settings() = std::move(document.Settings);
  board.Layers() = document.Layers;
  for (std::size_t i = 0; i < handles.size(); ++i) {
    const PcbHandle container = document.Objects[i].Container;
    if (model.Add(container != 0 ? map(container) : board.Handle(), handles[i]) == kPcbOk) continue;
    for (const PcbHandle handle : handles) model.Destroy(handle);
    throw EBoardDocument(document.Objects[i].Where + ": cannot be placed in its container");
  }
  board.SetModified(false);
}

// "[json.exception.parse_error.101] parse error at ...": the text after the bracket.
std::string ParseErrorText(const std::string& what) {
  const std::size_t end = what.find("] ");
  return "is not valid JSON: " + (end == std::string::npos ? what : what.substr(end + 2));
}

bool Refuse(const TBoard& board, const std::string& problem, std::string* error) {
  if (error) *error = "cannot load board document " + board.FileName() + ": " + problem;
  return false;
}

}  // namespace

std::string BoardDocumentText(const TPcbModel& model, const TBoard& board) {
  TJson boardFields = TJson::object();
  TFieldWriter boardWriter(boardFields);
  WriteBoardFields(boardWriter, board.Settings(), board.FileName(), board.Outline());
  TJson lists = TJson::object();
  TFieldWriter listWriter(lists);
  board.Layers().WriteFields(listWriter);
  WriteLayerPairFields(listWriter, board.Settings().LayerPairs);
  std::string text = "{\n  \"format\": \"pcbdoc\",\n  \"version\": 1,\n";
  text += "  \"board\": " + NestedText(boardFields) + ",\n";
  text += "  \"layers\": " + ListText(lists["layers"]) + ",\n";
  text += "  \"layerPairs\": " + ListText(lists["layerPairs"]) + ",\n";
  text += "  \"objects\": [";
  bool first = true;
  for (const PcbHandle handle : board.Index().All()) {
    const TBoardObject* object = model.Find(handle);
    if (!object) continue;
    text += first ? "\n    " : ",\n    ";
    text += WriteObjectEntry(model, board, *object).dump();
    first = false;
  }
  text += first ? "]\n}\n" : "\n  ]\n}\n";
  return text;
}

bool SaveBoardDocument(const TPcbModel& model, const TBoard& board, std::string* error) {
  try {
    return WriteFileReplacing(board.FileName(), BoardDocumentText(model, board), error);
  } catch (const std::exception& problem) {
    if (error) *error = "cannot save board document " + board.FileName() + ": " + problem.what();
    return false;
  }
}

bool LoadBoardDocument(TPcbModel& model, TBoard& board, std::string* error) {
  std::string readError;
  const auto bytes = ReadWholeFile(board.FileName(), &readError);
  if (!bytes) return Refuse(board, readError, error);
  if (bytes->empty()) return true;
  try {
    TLoadedDocument document = ParseDocument(*bytes);
    CheckReferences(document);
    Commit(model, board, std::move(document));
    return true;
  } catch (const EBoardDocument& problem) {
    return Refuse(board, problem.what(), error);
  } catch (const TJson::parse_error& problem) {
    return Refuse(board, ParseErrorText(problem.what()), error);
  } catch (const std::exception& problem) {
    return Refuse(board, problem.what(), error);
  }
}

}  // namespace standin
