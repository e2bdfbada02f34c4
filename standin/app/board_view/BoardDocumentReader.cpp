#include "app/board_view/BoardDocumentReader.h"

#include <algorithm>
#include <charconv>
#include <functional>
#include <limits>
#include <stdexcept>
#include <string_view>
#include <unordered_map>
#include <utility>

#include "app/board_view/DocumentFields.h"
#include "app/board_view/ObjectKindNames.h"
#include "common/ArrangeInOrder.h"
#include "common/JsonRecordReader.h"
#include "common/RecordTable.h"

namespace pcbhost {
namespace {

constexpr uint32_t kLastLayer = kViewLayerCount - 1;
constexpr uint32_t kAnyHandle = std::numeric_limits<uint32_t>::max();
constexpr uint32_t kAnyByte = 255;
// Text height when the document gives none: 60 mil.
constexpr double kDefaultTextHeight = 600000;

// The view is left empty when the document cannot be read.
bool Fail(TBoardView& view) {
  view = TBoardView();
  return false;
}

bool Fail(std::string* error, const std::string& text, TBoardView& view) {
  if (error) *error = text;
  return Fail(view);
}

// A document this host does not read; the text is the whole error line.
class ENotReadable : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

// "format" and "version" say whether this host reads the document; checked as soon as each
// is read, and once more at the end for the one that was not there.
void CheckFrameField(std::string_view key, TJsonValue value, const std::string& path) {
  if (key == "format" && !(value.IsText() && value.Text() == "pcbdoc"))
    throw ENotReadable("not a board document (format is not \"pcbdoc\"): " + path);
  if (key != "version") return;
  if (!value.IsInteger()) throw ENotReadable("not a board document (no version number): " + path);
  if (value.Signed() < 1 || value.Signed() > kBoardDocumentVersion)
    throw ENotReadable("board document version " + std::to_string(value.Signed()) +
                       " is not supported (this host reads versions 1 to " +
                       std::to_string(kBoardDocumentVersion) + "): " + path);
}

void CheckFrame(TJsonValue document, const std::string& path) {
  if (!document.IsObject())
    throw ENotReadable("not a board document (no JSON object): " + path);
  for (const char* key : {"format", "version"})
    CheckFrameField(key, FieldOf(document, key), path);
}

// The layer records replace the defaults, stack links included.
void ReadLayers(TJsonValue layers, TBoardView& view) {
  if (!layers.IsList()) return;
  for (TLayerView& layer : view.Layers) layer.Previous = layer.Next = 0;
  for (TJsonValue entry : layers) {
    const uint32_t number = WholeField(entry, "number", kLastLayer);
    if (number == 0) continue;
    TLayerView& layer = view.Layers[number];
    const std::string name = TextField(entry, "name");
    if (!name.empty()) layer.Name = name;
    layer.Previous = WholeField(entry, "prev", kLastLayer);
    layer.Next = WholeField(entry, "next", kLastLayer);
    layer.PlaneNet = TextField(entry, "planeNet");
  }
}

// "x" / "y", or the record's "xSize" / "ySize".
double ShapeSize(TJsonValue shape, const char* shortKey, const char* longKey) {
  const TJsonValue value = FieldOf(shape, shortKey);
  return !value.Exists() || value.IsNull() ? SizeField(shape, longKey) : SizeField(shape, shortKey);
}

TPadShapeView ReadPadShape(TJsonValue shape) {
  TPadShapeView view;
  view.Shape = WholeField(shape, "shape", kAnyByte);
  view.X = ShapeSize(shape, "x", "xSize");
  view.Y = ShapeSize(shape, "y", "ySize");
  if (FieldOf(shape, "cornerRadiusPercent").IsNumber())
    view.CornerPercent = WholeField(shape, "cornerRadiusPercent", 100);
  return view;
}

// The pad's top, middle or bottom shape; its corner percentage is the pad's own field.
TPadShapeView ReadStackShape(TJsonValue pad, const char* key, const char* cornerKey) {
  TPadShapeView shape = ReadPadShape(FieldOf(pad, key));
  if (FieldOf(pad, cornerKey).IsNumber()) shape.CornerPercent = WholeField(pad, cornerKey, 100);
  return shape;
}

// Entries {"layer": n, shape...} in a list, or shapes keyed by layer number.
std::map<uint32_t, TPadShapeView> ReadPerLayerShapes(TJsonValue perLayer) {
  std::map<uint32_t, TPadShapeView> shapes;
  if (perLayer.IsList()) {
    for (TJsonValue entry : perLayer) {
      const uint32_t layer = WholeField(entry, "layer", kLastLayer);
      if (layer != 0) shapes[layer] = ReadPadShape(entry);
    }
  } else if (perLayer.IsObject()) {
    for (const TJsonValue entry : perLayer) {
      const std::string_view key = entry.Key();
      uint32_t layer = 0;
      const auto [end, problem] = std::from_chars(key.data(), key.data() + key.size(), layer);
      if (problem == std::errc() && end == key.data() + key.size() && layer >= 1 &&
          layer <= kLastLayer)
        shapes[layer] = ReadPadShape(entry);
    }
  }
  return shapes;
}

TPrimitiveShape ReadTrack(TJsonValue object) {
  return TTrackView{{CoordinateField(object, "x1"), CoordinateField(object, "y1")},
                    {CoordinateField(object, "x2"), CoordinateField(object, "y2")},
                    SizeField(object, "width")};
}

TPrimitiveShape ReadArc(TJsonValue object) {
  return TArcView{{CoordinateField(object, "x"), CoordinateField(object, "y")},
                  SizeField(object, "radius"),
                  AngleField(object, "startAngle"),
                  AngleField(object, "endAngle"),
                  SizeField(object, "width")};
}

TPrimitiveShape ReadVia(TJsonValue object) {
  return TViaView{{CoordinateField(object, "x"), CoordinateField(object, "y")},
                  SizeField(object, "diameter"),
                  SizeField(object, "holeSize")};
}

TPrimitiveShape ReadPad(TJsonValue object) {
  auto shape = std::make_unique<TPadView>();
  TPadView& pad = *shape;
  pad.Centre = {CoordinateField(object, "x"), CoordinateField(object, "y")};
  pad.Name = TextField(object, "name");
  pad.Rotation = AngleField(object, "rotation");
  pad.HoleSize = SizeField(object, "holeSize");
  pad.StackMode = WholeField(object, "stackMode", kAnyByte);
  pad.Top = ReadStackShape(object, "top", "topCornerRadiusPercent");
  pad.Middle = ReadStackShape(object, "middle", "middleCornerRadiusPercent");
  pad.Bottom = ReadStackShape(object, "bottom", "bottomCornerRadiusPercent");
  pad.PerLayer = ReadPerLayerShapes(FieldOf(object, "perLayer"));
  return TPadPointer(std::move(shape));
}

TPrimitiveShape ReadFill(TJsonValue object) {
  return TFillView{{CoordinateField(object, "x1"), CoordinateField(object, "y1")},
                   {CoordinateField(object, "x2"), CoordinateField(object, "y2")},
                   AngleField(object, "rotation")};
}

TPrimitiveShape ReadText(TJsonValue object) {
  TTextView text{{CoordinateField(object, "x"), CoordinateField(object, "y")},
                 TextField(object, "text"),
                 SizeField(object, "height"),
                 AngleField(object, "rotation")};
  if (text.Height == 0) text.Height = kDefaultTextHeight;
  return text;
}

std::function<TPrimitiveShape(TJsonValue)> AreaReader(TAreaKind kind) {
  return [kind](TJsonValue object) {
    return TPrimitiveShape(TAreaView{kind, PointListField(object, "outline")});
  };
}

using TShapeReader = std::function<TPrimitiveShape(TJsonValue)>;

const std::unordered_map<std::string_view, TShapeReader>& ShapeReaders() {
  static const std::unordered_map<std::string_view, TShapeReader> readers = {
      {"track", ReadTrack},
      {"arc", ReadArc},
      {"via", ReadVia},
      {"pad", ReadPad},
      {"fill", ReadFill},
      {"text", ReadText},
      {"polygon", AreaReader(TAreaKind::Polygon)},
      {"region", AreaReader(TAreaKind::Region)},
      {"splitPlane", AreaReader(TAreaKind::SplitPlane)},
      {"boardOutline", AreaReader(TAreaKind::BoardOutline)},
  };
  return readers;
}

// The kind's name, from "kindName" or else from the kind number.
std::string KindNameOf(TJsonValue object) {
  std::string name = TextField(object, "kindName");
  if (name.empty()) name = ObjectKindName(WholeField(object, "kind", kAnyByte));
  return name.empty() ? "unknown" : name;
}

void ReadGroupObject(const std::string& kindName, TJsonValue object, TBoardView& view) {
  if (kindName == "net") {
    view.Nets.push_back({WholeField(object, "handle", kAnyHandle), TextField(object, "name")});
  } else if (kindName == "component") {
    view.Components.push_back({TextField(object, "designator"),
                               TextField(object, "footprint"),
                               {CoordinateField(object, "x"), CoordinateField(object, "y")},
                               AngleField(object, "rotation"),
                               WholeField(object, "layer", kLastLayer)});
  } else if (kindName == "rule") {
    view.Rules.push_back({WholeField(object, "ruleKind", kAnyByte), TextField(object, "name"),
                          TextField(object, "scope1"), TextField(object, "scope2")});
  } else if (kindName == "class") {
    view.Classes.push_back({WholeField(object, "classKind", kAnyByte), TextField(object, "name"),
                            TextListField(object, "members")});
  }
}

void ReadObject(TJsonValue object, TBoardView& view, TViewContents contents) {
  const std::string kindName = KindNameOf(object);
  ++view.KindCounts[kindName];
  ++view.ObjectCount;
  const auto reader = ShapeReaders().find(kindName);
  if (reader == ShapeReaders().end()) {
    ReadGroupObject(kindName, object, view);
    return;
  }
  if (contents == TViewContents::WithoutShapes) return;
  view.Primitives.push_back({WholeField(object, "layer", kLastLayer),
                             WholeField(object, "net", kAnyHandle), FlagField(object, "keepout"),
                             reader->second(object)});
}

// A table whose rows cannot be read makes the document unreadable: the view would be partial.
template <class Step>
void ReadTablePart(std::size_t table, const std::string& path, Step&& step) {
  try {
    step();
  } catch (const ERecordTable& problem) {
    throw ENotReadable("not a board document (tables[" + std::to_string(table) +
                       "]: " + problem.what() + "): " + path);
  }
}

// The primitives of tables come kind by kind; drawn in the order the objects were made in (by
// handle), as a document that lists them draws them. They are rearranged in place: a second
// copy of them would double the view's memory.
void DrawInHandleOrder(TBoardView& view, const std::vector<uint32_t>& handles) {
  if (handles.size() != view.Primitives.size()) return;
  std::vector<std::size_t> order(handles.size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
  std::stable_sort(order.begin(), order.end(),
                   [&](std::size_t a, std::size_t b) { return handles[a] < handles[b]; });
  ArrangeInOrder(view.Primitives, order);
}

}  // namespace

bool ReadBoardView(const std::string& path, TBoardView& view, std::string* error,
                   TViewContents contents) {
  view = TBoardView();
  TJsonRecordReader parser("objects", "tables");
  TJsonRecordHandlers handlers;
  handlers.Header = [&](std::string_view key, TJsonValue value) {
    CheckFrameField(key, value, path);
  };
  handlers.Record = [&](TJsonValue object, std::size_t) {
    if (object.IsObject()) ReadObject(object, view, contents);
  };
  // Version 2: each row of a table is one object's record.
  TRecordTable table;
  TJsonTree record;
  std::vector<uint32_t> primitiveHandles;
  handlers.TableMember = [&](std::string_view key, TJsonValue value, std::size_t index) {
    ReadTablePart(index, path, [&] { table.Member(key, value); });
  };
  handlers.Row = [&](TJsonValue row, std::size_t index, std::size_t) {
    ReadTablePart(index, path, [&] {
      const TJsonValue object = table.Record(row, record);
      const std::size_t primitives = view.Primitives.size();
      ReadObject(object, view, contents);
      if (view.Primitives.size() > primitives)
        primitiveHandles.push_back(WholeField(object, "handle", kAnyHandle));
    });
  };
  handlers.TableEnd = [&](TJsonValue, std::size_t index) {
    ReadTablePart(index, path, [&] { table.Finish(); });
    table.Clear();
  };
  try {
    if (!parser.ReadFile(path, handlers, error)) return Fail(view);
    const TJsonValue document = parser.Header();
    if (!document.Exists()) return true;
    CheckFrame(document, path);
    view.FileName = TextField(FieldOf(document, "board"), "fileName");
    ReadLayers(FieldOf(document, "layers"), view);
    DrawInHandleOrder(view, primitiveHandles);
    return true;
  } catch (const EJsonSyntax&) {
    return Fail(error, "not a board document (not JSON): " + path, view);
  } catch (const ENotReadable& problem) {
    return Fail(error, problem.what(), view);
  }
}

}  // namespace pcbhost
