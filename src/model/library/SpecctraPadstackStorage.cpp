// The stored form of a padstack: one embedded object whose name holds the padstack's name,
// index, pad count and via flag, and whose text holds each pad's first shape and windows.
#include <string>

#include "common/AsciiText.h"
#include "model/base/EmbeddedStorage.h"
#include "model/base/SpecctraText.h"
#include "model/geometry/ShapeParameters.h"
#include "model/geometry/SpecctraCircleShape.h"
#include "model/geometry/SpecctraFilledPolyShape.h"
#include "model/geometry/SpecctraQArcShape.h"
#include "model/geometry/SpecctraRectShape.h"
#include "model/library/SpecctraPadstack.h"
#include "rtl/Parameters.h"
#include "rtl/PcbEmbedded.h"
#include "specctra_io/NumberParsing.h"

namespace {

// The host's long text holds this many characters.
constexpr std::size_t kStoredTextMax = 4095;
// A stored value takes at least six characters with its separator ("0PX0=1|").
constexpr std::size_t kStoredValueMin = 6;
// A pad count beyond one pad per character of the stored text is not believed.
constexpr int32_t kStoredPadCountMax = static_cast<int32_t>(kStoredTextMax);

// The letter of a shape kind in the stored text, by TSpecctraShapeKind.
constexpr char kKindLetters[] = {'F', 'R', 'C', 'P', 'Q'};

std::unique_ptr<TSpecctraAbstractGeometryShape> ShapeOfLetter(std::string_view letter,
                                                              TSpecctraObject* owner) {
  switch (letter.size() == 1 ? AsciiUpper(letter[0]) : 0) {
    case 'F': return std::make_unique<TSpecctraFilledPolyShape>(owner);
    case 'R': return std::make_unique<TSpecctraRectShape>(owner);
    case 'C': return std::make_unique<TSpecctraCircleShape>(owner);
    case 'P': return std::make_unique<TSpecctraPolyLineShape>(owner);
    case 'Q': return std::make_unique<TSpecctraQArcShape>(owner);
    default: return nullptr;
  }
}

TSpecctraAbstractGeometryShape* ShapeAt(TSpecctraList& list, int32_t index) {
  return static_cast<TSpecctraAbstractGeometryShape*>(list.ObjectAt(index));
}

void StoreShape(TSpecctraAbstractGeometryShape& shape, const std::string& prefix,
                const std::string& kindKey, std::string& text) {
  SetParameterValue(text, kindKey, std::string(1, kKindLetters[shape.Kind()]));
  shape.StoreToParams(prefix, text);
}

// Coordinates other than 0, the values a shape stores one by one.
std::size_t StoredCoordinates(TSpecctraAbstractGeometryShape& shape) {
  std::size_t count = 0;
  for (const TVertex& vertex : shape.Vertices()) count += (vertex.X != 0) + (vertex.Y != 0);
  return count;
}

}  // namespace

std::optional<std::string> TSpecctraPadstack::StoredPadsText() {
  std::size_t coordinates = 0;
  for (int32_t i = 0; i < PadCount(); ++i) {
    TSpecctraPad& pad = *Pad(i);
    if (pad.Shapes().Count() > 0) coordinates += StoredCoordinates(*ShapeAt(pad.Shapes(), 0));
    for (int32_t j = 0; pad.Windows() && j < pad.Windows()->Count(); ++j)
      coordinates += StoredCoordinates(*ShapeAt(*pad.Windows(), j));
  }
  std::string text;
  // Each pad's values are set in a text of their own (setting a value rewrites the text);
  // the pads' keys differ, so the joined texts are the text of all values in order.
  for (int32_t i = 0; i < PadCount() && coordinates * kStoredValueMin <= kStoredTextMax; ++i) {
    TSpecctraPad& pad = *Pad(i);
    const std::string key = std::to_string(i);
    std::string padText;
    if (pad.Shapes().Count() == 0) ReportError("Pad has no shapes, for embedded export.");
    else StoreShape(*ShapeAt(pad.Shapes(), 0), key + "P", key + "PT", padText);
    if (TSpecctraList* windows = pad.Windows(); windows && windows->Count() > 0) {
      SetParameterValue(padText, key + "PWC", std::to_string(windows->Count()));
      for (int32_t j = 0; j < windows->Count(); ++j) {
        const std::string window = key + "W" + std::to_string(j);
        StoreShape(*ShapeAt(*windows, j), window, window + "T", padText);
      }
    }
    if (!padText.empty()) text += (text.empty() ? "" : "|") + padText;
  }
  if (coordinates * kStoredValueMin <= kStoredTextMax && text.size() <= kStoredTextMax)
    return text;
  ReportError("Padstack " + Name() + " is too large to be stored in the board: its pads need " +
              (text.size() > kStoredTextMax ? std::to_string(text.size()) + " characters"
                                            : "more than " + std::to_string(kStoredTextMax) +
                                                  " characters") +
              ", at most " + std::to_string(kStoredTextMax) +
              " fit; routes and session files will not list it.");
  return std::nullopt;
}

bool TSpecctraPadstack::StoreToEmbedded(int32_t index) {
  const std::optional<std::string> pads = StoredPadsText();
  if (!pads) return false;
  std::string name;
  SetShortParameter(name, "Server", kTranslatorServer);
  SetShortParameter(name, "Type", kPadstackRecordType);
  SetShortParameter(name, "ID", Name());
  SetShortParameter(name, "IDX", std::to_string(index));
  SetShortParameter(name, "PC", std::to_string(PadCount()));
  if (FIsVia) SetShortParameter(name, "IsVia", "1");
  // A name too long for the record, or one that a parameter text cannot hold, would come back
  // as another padstack (or without its pad count).
  if (GetShortParameter(name, "ID") != Name() ||
      ParseSpecctraInteger(GetShortParameter(name, "PC")) != PadCount() ||
      (FIsVia && GetShortParameter(name, "IsVia") != "1")) {
    ReportError("Padstack " + Name() +
                " cannot be stored in the board: its name does not fit the stored record; "
                "routes and session files will not list it.");
    return false;
  }
  return AddEmbeddedObject(GetBoardHandle(), name, *pads);
}

bool TSpecctraPadstack::LoadFromEmbedded(PcbHandle embedded) {
  // Stored numbers are host units; they are not converted again.
  SetUnitKind(uMil);
  TPcbEmbedded object(embedded);
  object.Update(kPcbMessageRead);
  const std::string name = object.GetName();
  SetName(GetShortParameter(name, "ID"));
  FIsVia = ParseSpecctraInteger(GetShortParameter(name, "IsVia")) == 1;
  const int32_t count = ParseSpecctraInteger(GetShortParameter(name, "PC")).value_or(0);
  if (count < 1) {
    ReportError("ERROR: No pads definied inside padstack: " + Name());
    return false;
  }
  if (count > kStoredPadCountMax) {
    ReportError("Stored padstack " + Name() + " claims " + std::to_string(count) +
                " pads, more than its text can hold.");
    return false;
  }
  const std::string pads = object.GetData();
  bool result = true;
  for (int32_t i = 0; i < count; ++i) {
    std::unique_ptr<TSpecctraPad> pad = LoadStoredPad(pads, i);
    if (pad) {
      AddPad(std::move(pad));
      continue;
    }
    ReportError("ERROR: Cannot load pad for padstack " + Name());
    result = false;
  }
  return result;
}

std::unique_ptr<TSpecctraPad> TSpecctraPadstack::LoadStoredPad(const std::string& pads,
                                                               int32_t index) {
  auto pad = std::make_unique<TSpecctraPad>(this);
  const std::string key = std::to_string(index);
  std::string letter;
  if (GetParameterValue(pads, key + "PT", letter)) {
    std::unique_ptr<TSpecctraAbstractGeometryShape> shape = ShapeOfLetter(letter, pad.get());
    if (!shape) {
      ReportError("Unknown stored shape kind: " + letter);
    } else if (!shape->LoadFromParams(key + "P", pads)) {
      ReportError("Stored pad shape contains errors.");
      return nullptr;
    } else {
      pad->AddShape(std::move(shape));
    }
  }
  std::string connect;
  if (GetParameterValue(pads, key + "SC", connect) && SameTextIgnoringCase(connect, "F"))
    pad->SetConnect(false);
  return pad;
}
