#include "app/board_view/BoardDocumentReader.h"

#include <charconv>
#include <functional>
#include <limits>
#include <string_view>
#include <unordered_map>
#include <utility>

#include "app/board_view/DocumentFields.h"
#include "app/board_view/ObjectKindNames.h"
#include "common/SafeFile.h"

namespace pcbhost {
namespace {

constexpr uint32_t kLastLayer = kViewLayerCount - 1;
constexpr uint32_t kAnyHandle = std::numeric_limits<uint32_t>::max();
constexpr uint32_t kAnyByte = 255;
// Text height when the document gives none: 60 mil.
constexpr double kDefaultTextHeight = 600000;

bool Fail(std::string* error, const std::string& text) {
  if (error) *error = text;
  return false;
}

// "format" and "version" say whether this host reads the document.
bool CheckFrame(const TDocumentJson& document, const std::string& path, std::string* error) {
  if (!document.is_object()) return Fail(error, "not a board document (no JSON object): " + path);
  const TDocumentJson& format = FieldOf(document, "format");
  if (!format.is_string() || format.get_ref<const std::string&>() != "pcbdoc")
    return Fail(error, "not a board document (format is not \"pcbdoc\"): " + path);
  const TDocumentJson& version = FieldOf(document, "version");
  if (!version.is_number_integer())
    return Fail(error, "not a board document (no version number): " + path);
  if (version.get<int64_t>() != kBoardDocumentVersion)
    return Fail(error, "board document version " + version.dump() +
                           " is not supported (this host reads version " +
                           std::to_string(kBoardDocumentVersion) + "): " + path);
  return true;
}

// The layer records replace the defaults, stack links included.
void ReadLayers(const TDocumentJson& layers, TBoardView& view) {
  if (!layers.is_array()) return;
  for (TLayerView& layer : view.Layers) layer.Previous = layer.Next = 0;
  for (const TDocumentJson& entry : layers) {
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
double ShapeSize(const TDocumentJson& shape, const char* shortKey, const char* longKey) {
  return FieldOf(shape, shortKey).is_null() ? SizeField(shape, longKey)
                                            : SizeField(shape, shortKey);
}

TPadShapeView ReadPadShape(const TDocumentJson& shape) {
  TPadShapeView view;
  view.Shape = WholeField(shape, "shape", kAnyByte);
  view.X = ShapeSize(shape, "x", "xSize");
  view.Y = ShapeSize(shape, "y", "ySize");
  if (FieldOf(shape, "cornerRadiusPercent").is_number())
    view.CornerPercent = WholeField(shape, "cornerRadiusPercent", 100);
  return view;
}

// The pad's top, middle or bottom shape; its corner percentage is the pad's own field.
TPadShapeView ReadStackShape(const TDocumentJson& pad, const char* key, const char* cornerKey) {
  TPadShapeView shape = ReadPadShape(FieldOf(pad, key));
  if (FieldOf(pad, cornerKey).is_number()) shape.CornerPercent = WholeField(pad, cornerKey, 100);
  return shape;
}

// Entries {"layer": n, shape...} in a list, or shapes keyed by layer number.
std::map<uint32_t, TPadShapeView> ReadPerLayerShapes(const TDocumentJson& perLayer) {
  std::map<uint32_t, TPadShapeView> shapes;
  if (perLayer.is_array()) {
    for (const TDocumentJson& entry : perLayer) {
      const uint32_t layer = WholeField(entry, "layer", kLastLayer);
      if (layer != 0) shapes[layer] = ReadPadShape(entry);
    }
  } else if (perLayer.is_object()) {
    for (const auto& [key, entry] : perLayer.items()) {
      uint32_t layer = 0;
      const auto [end, problem] = std::from_chars(key.data(), key.data() + key.size(), layer);
      if (problem == std::errc() && end == key.data() + key.size() && layer >= 1 &&
          layer <= kLastLayer)
        shapes[layer] = ReadPadShape(entry);
    }
  }
  return shapes;
}

TPrimitiveShape ReadTrack(const TDocumentJson& object) {
  return TTrackView{{CoordinateField(object, "x1"), CoordinateField(object, "y1")},
                    {CoordinateField(object, "x2"), CoordinateField(object, "y2")},
                    SizeField(object, "width")};
}

TPrimitiveShape ReadArc(const TDocumentJson& object) {
  return TArcView{{CoordinateField(object, "x"), CoordinateField(object, "y")},
                  SizeField(object, "radius"),
                  AngleField(object, "startAngle"),
                  AngleField(object, "endAngle"),
                  SizeField(object, "width")};
}

TPrimitiveShape ReadVia(const TDocumentJson& object) {
  return TViaView{{CoordinateField(object, "x"), CoordinateField(object, "y")},
                  SizeField(object, "diameter"),
                  SizeField(object, "holeSize")};
}

TPrimitiveShape ReadPad(const TDocumentJson& object) {
  TPadView pad;
  pad.Centre = {CoordinateField(object, "x"), CoordinateField(object, "y")};
  pad.Name = TextField(object, "name");
  pad.Rotation = AngleField(object, "rotation");
  pad.HoleSize = SizeField(object, "holeSize");
  pad.StackMode = WholeField(object, "stackMode", kAnyByte);
  pad.Top = ReadStackShape(object, "top", "topCornerRadiusPercent");
  pad.Middle = ReadStackShape(object, "middle", "middleCornerRadiusPercent");
  pad.Bottom = ReadStackShape(object, "bottom", "bottomCornerRadiusPercent");
  pad.PerLayer = ReadPerLayerShapes(FieldOf(object, "perLayer"));
  return pad;
}

TPrimitiveShape ReadFill(const TDocumentJson& object) {
  return TFillView{{CoordinateField(object, "x1"), CoordinateField(object, "y1")},
                   {CoordinateField(object, "x2"), CoordinateField(object, "y2")},
                   AngleField(object, "rotation")};
}

TPrimitiveShape ReadText(const TDocumentJson& object) {
  TTextView text{{CoordinateField(object, "x"), CoordinateField(object, "y")},
                 TextField(object, "text"),
                 SizeField(object, "height"),
                 AngleField(object, "rotation")};
  if (text.Height == 0) text.Height = kDefaultTextHeight;
  return text;
}

std::function<TPrimitiveShape(const TDocumentJson&)> AreaReader(TAreaKind kind) {
  return [kind](const TDocumentJson& object) {
    return TPrimitiveShape(TAreaView{kind, PointListField(object, "outline")});
  };
}

using TShapeReader = std::function<TPrimitiveShape(const TDocumentJson&)>;

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
std::string KindNameOf(const TDocumentJson& object) {
  std::string name = TextField(object, "kindName");
  if (name.empty()) name = ObjectKindName(WholeField(object, "kind", kAnyByte));
  return name.empty() ? "unknown" : name;
}

void ReadGroupObject(const std::string& kindName, const TDocumentJson& object, TBoardView& view) {
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

void ReadObject(const TDocumentJson& object, TBoardView& view) {
  const std::string kindName = KindNameOf(object);
  ++view.KindCounts[kindName];
  ++view.ObjectCount;
  const auto reader = ShapeReaders().find(kindName);
  if (reader == ShapeReaders().end()) {
    ReadGroupObject(kindName, object, view);
    return;
  }
  view.Primitives.push_back({WholeField(object, "layer", kLastLayer),
                             WholeField(object, "net", kAnyHandle), FlagField(object, "keepout"),
                             reader->second(object)});
}

}  // namespace

bool ReadBoardView(const std::string& path, TBoardView& view, std::string* error) {
  view = TBoardView();
  const auto bytes = ReadWholeFile(path, error);
  if (!bytes) return false;
  if (bytes->empty()) return true;
  const TDocumentJson document = TDocumentJson::parse(*bytes, nullptr, false);
  if (document.is_discarded()) return Fail(error, "not a board document (not JSON): " + path);
  if (!CheckFrame(document, path, error)) return false;
  view.FileName = TextField(FieldOf(document, "board"), "fileName");
  ReadLayers(FieldOf(document, "layers"), view);
  const TDocumentJson& objects = FieldOf(document, "objects");
  if (objects.is_array())
    for (const TDocumentJson& object : objects)
      if (object.is_object()) ReadObject(object, view);
  return true;
}

}  // namespace pcbhost
