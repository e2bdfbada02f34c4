#include "server/LayerStack.h"

#include <cstring>
#include <string_view>
#include <vector>

#include "server/DocumentFields.h"
#include "server/LayerNumbers.h"

namespace standin {
namespace {

constexpr int32_t kDefaultCopperThickness = 14000;  // 1.4 mil
constexpr int32_t kDefaultDielectricHeight = 126000;  // 12.6 mil

PcbShortString ShortString(std::string_view text) {
  PcbShortString result{};
  result.length = static_cast<uint8_t>(text.size());
  std::memcpy(result.text, text.data(), text.size());
  return result;
}

bool IsRecordNumber(uint32_t number) { return number >= kTopLayer && number <= kViaHoleLayer; }

template <class V, class D>
void DielectricFields(V& v, D& d) {
  v("material", d.material);
  v("dielectricType", d.dielectricType);
  v("dielectricConstant", d.dielectricConstant);
  v("height", d.height);
}

// One entry of the "layers" list; number is checked by the reader of the list.
template <class V, class L>
void LayerFields(V& v, L& layer, PcbLayerNumber& number) {
  v("number", number);
  v("name", layer.Name);
  v("prev", AsLayer(layer.Prev));
  v("next", AsLayer(layer.Next));
  v("copperThickness", layer.CopperThickness);
  v.Group("dielectric", [&](auto& g) { DielectricFields(g, layer.Dielectric); });
  if (IsInternalPlaneNumber(number))
    v("planeNet", layer.PlaneNet);
  else
    v("reserved3", layer.Reserved3);
  v("reserved1", layer.Reserved1);
  v("reserved2", layer.Reserved2);
}

}  // namespace

PcbDielectricRecord DefaultDielectric() {
  PcbDielectricRecord dielectric{};
  dielectric.material = ShortString("FR-4");
  dielectric.dielectricType = 1;
  dielectric.dielectricConstant = 4.8;
  dielectric.height = kDefaultDielectricHeight;
  return dielectric;
}

TLayerStack::TLayerStack() {
  for (PcbLayerNumber number = kTopLayer; number <= kViaHoleLayer; ++number) {
    TLayerData& layer = FLayers[number];
    layer.Name = ShortString(DefaultLayerName(number));
    layer.CopperThickness = kDefaultCopperThickness;
    layer.Dielectric = DefaultDielectric();
    if (IsInternalPlaneNumber(number)) layer.PlaneNet = ShortString("(No Net)");
  }
  FLayers[kTopLayer].Next = kBottomLayer;
  FLayers[kBottomLayer].Prev = kTopLayer;
}

TLayerData* TLayerStack::Layer(uint32_t number) {
  return IsRecordNumber(number) ? &FLayers[number] : nullptr;
}

const TLayerData* TLayerStack::Layer(uint32_t number) const {
  return IsRecordNumber(number) ? &FLayers[number] : nullptr;
}

bool TLayerStack::Give(PcbLayerNumber number, PcbLayerRecord& record) const {
  const TLayerData* layer = Layer(number);
  if (!layer) return false;
  record = {layer->Name, layer->CopperThickness, layer->Reserved1, layer->Reserved2,
            layer->Prev, layer->Next,            layer->Reserved3};
  return true;
}

bool TLayerStack::Take(PcbLayerNumber number, const PcbLayerRecord& record) {
  TLayerData* layer = Layer(number);
  if (!layer || !IsLayerNumber(record.prev) || !IsLayerNumber(record.next)) return false;
  layer->Name = record.name;
  layer->CopperThickness = record.copperThickness;
  layer->Reserved1 = record.reserved1;
  layer->Reserved2 = record.reserved2;
  layer->Prev = record.prev;
  layer->Next = record.next;
  layer->Reserved3 = record.reserved3;
  return true;
}

bool TLayerStack::Give(PcbLayerNumber number, PcbInternalPlaneRecord& record) const {
  const TLayerData* layer = Layer(number);
  if (!layer || !IsInternalPlaneNumber(number)) return false;
  record = {layer->Name, layer->CopperThickness, layer->Reserved1, layer->Reserved2,
            layer->Prev, layer->Next,            layer->PlaneNet};
  return true;
}

bool TLayerStack::Take(PcbLayerNumber number, const PcbInternalPlaneRecord& record) {
  TLayerData* layer = Layer(number);
  if (!layer || !IsInternalPlaneNumber(number) || !IsLayerNumber(record.prev) ||
      !IsLayerNumber(record.next))
    return false;
  layer->Name = record.name;
  layer->CopperThickness = record.copperThickness;
  layer->Reserved1 = record.reserved1;
  layer->Reserved2 = record.reserved2;
  layer->Prev = record.prev;
  layer->Next = record.next;
  layer->PlaneNet = record.planeNet;
  return true;
}

bool TLayerStack::InStack(PcbLayerNumber number) const {
  const TLayerData* layer = Layer(number);
  return layer && (layer->Prev != kNoLayer || layer->Next != kNoLayer);
}

// Links come from the host's callers and may be inconsistent: only neighbours that point back
// are changed.
void TLayerStack::Unlink(PcbLayerNumber number) {
  TLayerData& layer = FLayers[number];
  if (TLayerData* above = Layer(layer.Prev); above && above->Next == number)
    above->Next = layer.Next;
  if (TLayerData* below = Layer(layer.Next); below && below->Prev == number)
    below->Prev = layer.Prev;
  layer.Prev = kNoLayer;
  layer.Next = kNoLayer;
}

bool TLayerStack::Insert(PcbLayerNumber number, PcbLayerNumber reference) {
  if (!Layer(number) || number == reference || !InStack(reference)) return false;
  if (InStack(number)) Unlink(number);
  TLayerData& above = FLayers[reference];
  TLayerData& layer = FLayers[number];
  layer.Prev = reference;
  layer.Next = above.Next;
  if (TLayerData* below = Layer(above.Next); below && below->Prev == reference)
    below->Prev = number;
  above.Next = number;
  return true;
}

void TLayerStack::WriteFields(TFieldWriter& writer) const {
  writer.Entries("layers", kViaHoleLayer, [&](TFieldWriter& entry, std::size_t i) {
    PcbLayerNumber number = static_cast<PcbLayerNumber>(kTopLayer + i);
    LayerFields(entry, FLayers[number], number);
  });
}

void TLayerStack::ReadFields(TFieldReader& reader) {
  if (reader.ListField("layers").Size() != kViaHoleLayer)
    reader.Fail("layers", "must have 82 entries");
  reader.Entries("layers", [&](TFieldReader& entry, std::size_t i) {
    const auto number = static_cast<PcbLayerNumber>(kTopLayer + i);
    PcbLayerNumber read = number;
    // The number decides which fields the entry has; check it first.
    entry("number", read);
    if (read != number) entry.Fail("number", "must be " + std::to_string(number));
    LayerFields(entry, FLayers[number], read);
  });
}

}  // namespace standin
