// A pad: its record (top, middle and bottom shapes and sizes), its stack mode and its values
// per layer number.
//
// In the full stack mode every layer has values of its own (the per-layer table). In the
// other modes the pad's copper follows its top, middle and bottom values: a pad on one signal
// layer has its top values there and nothing elsewhere; any other pad has the top values on
// TopLayer (and MultiLayer), the middle ones on the middle layers and the bottom ones on
// BottomLayer, all of them the top values in the simple mode.
#pragma once

#include <array>
#include <memory>

#include "server/BoardObject.h"
#include "server/LayerNumbers.h"

namespace standin {

struct TPadLayerValues {
  uint8_t Shape = 0;
  int32_t XSize = 0;
  int32_t YSize = 0;
  uint8_t CornerRadiusPercent = 0;

  bool IsZero() const { return Shape == 0 && XSize == 0 && YSize == 0 && CornerRadiusPercent == 0; }
};

// A pad's own values: its record without the common fields, which are the object's.
struct TPadValues {
  double rotation = 0;
  int32_t x = 0;
  int32_t y = 0;
  int32_t topXSize = 0;
  int32_t topYSize = 0;
  int32_t middleXSize = 0;
  int32_t middleYSize = 0;
  int32_t bottomXSize = 0;
  int32_t bottomYSize = 0;
  int32_t holeSize = 0;
  int32_t reserved1 = 0;
  int32_t reserved2 = 0;
  int32_t reserved3 = 0;
  int32_t reserved4 = 0;
  uint8_t topShape = 0;
  uint8_t middleShape = 0;
  uint8_t bottomShape = 0;
  uint8_t pinRole = 0;
  uint8_t option = 0;
  uint8_t flagByte1 = 0;
  uint8_t flagByte2 = 0;
  PcbString20 name{};
};

class TPadObject final : public TBoardObject {
public:
  static constexpr uint8_t kKind = kPcbObjectPad;
  TPadObject() : TBoardObject(kKind) { Common().Layer = kMultiLayer; }

  // The pad's own values; the exchange adds the common fields.
  void Give(PcbPadRecord& record) const;
  bool Accepts(const PcbPadRecord& record) const;
  void Take(const PcbPadRecord& record);
  // The whole record, common fields included.
  PcbPadRecord Record() const;
  uint8_t StackMode() const { return FStackMode; }
  void SetStackMode(uint8_t mode) { FStackMode = mode; }

  // The values on a layer number 0..82 as the pad's copper has them.
  TPadLayerValues ValuesOnLayer(PcbLayerNumber layer) const;
  // Half the smaller side by the percentage on a rounded rectangle, 0 on other shapes.
  int32_t CornerRadiusOnLayer(PcbLayerNumber layer) const;
  // Full stack: the layer's own values; otherwise TopLayer, the middle layers and BottomLayer
  // set the top, middle and bottom values, other layers their own.
  void SetShapeOnLayer(PcbLayerNumber layer, uint8_t shape);
  void SetSizeOnLayer(PcbLayerNumber layer, int32_t xSize, int32_t ySize);
  void SetCornerRadiusPercentOnLayer(PcbLayerNumber layer, uint8_t percent);

  TGeometry BoardGeometry() const override;
  void SetBoardGeometry(const TGeometry& geometry) override;
  void TurnOver() override;
  std::optional<TBounds> Bounds() const override;
  void WriteFields(TFieldWriter& writer) const override;
  void ReadFields(TFieldReader& reader) override;

private:
  enum class TPart : uint8_t { None, Top, Middle, Bottom };
  using TLayerTable = std::array<TPadLayerValues, kLayerCount>;

  // Which of the top, middle and bottom values a layer shows (outside the full stack).
  TPart ShownPart(PcbLayerNumber layer) const;
  // Which of them a layer sets (outside the full stack); None: the layer's own entry.
  static TPart SetPart(PcbLayerNumber layer);
  TPadLayerValues PartValues(TPart part) const;
  TPadLayerValues& TableEntry(PcbLayerNumber layer);
  // The top, middle or bottom values as references into the record.
  struct TPartRefs {
    uint8_t& Shape;
    int32_t& XSize;
    int32_t& YSize;
    uint8_t& CornerRadiusPercent;
  };
  TPartRefs PartRefs(TPart part);
  static int32_t RoundedCornerRadius(const TPadLayerValues& values);

  TPadValues FValues;
  uint8_t FStackMode = kPadStackSimple;
  uint8_t FTopPercent = 0;
  uint8_t FMiddlePercent = 0;
  uint8_t FBottomPercent = 0;
  std::unique_ptr<TLayerTable> FTable;  // made on first use
};

// Inline: the host reads a new pad's values four times a layer, 83 layers over.
inline TPadObject::TPart TPadObject::ShownPart(PcbLayerNumber layer) const {
  const PcbLayerNumber own = Common().Layer;
  if (IsSignalNumber(own)) return layer == own ? TPart::Top : TPart::None;
  if (layer == kMultiLayer) return TPart::Top;
  const TPart part = SetPart(layer);
  return part != TPart::None && FStackMode == kPadStackSimple ? TPart::Top : part;
}

inline TPadObject::TPart TPadObject::SetPart(PcbLayerNumber layer) {
  if (layer == kTopLayer) return TPart::Top;
  if (layer == kBottomLayer) return TPart::Bottom;
  if (layer >= kMidLayer1 && layer <= kMidLayer30) return TPart::Middle;
  return TPart::None;
}

inline TPadLayerValues TPadObject::PartValues(TPart part) const {
  switch (part) {
    case TPart::Top:
      return {FValues.topShape, FValues.topXSize, FValues.topYSize, FTopPercent};
    case TPart::Middle:
      return {FValues.middleShape, FValues.middleXSize, FValues.middleYSize, FMiddlePercent};
    case TPart::Bottom:
      return {FValues.bottomShape, FValues.bottomXSize, FValues.bottomYSize, FBottomPercent};
    case TPart::None: break;
  }
  return {};
}

inline TPadLayerValues TPadObject::ValuesOnLayer(PcbLayerNumber layer) const {
  if (!IsLayerNumber(layer)) return {};
  if (FStackMode == kPadStackFull) return FTable ? (*FTable)[layer] : TPadLayerValues{};
  return PartValues(ShownPart(layer));
}

inline int32_t TPadObject::CornerRadiusOnLayer(PcbLayerNumber layer) const {
  const TPadLayerValues values = ValuesOnLayer(layer);
  return values.Shape == kPadShapeRoundedRectangle ? RoundedCornerRadius(values) : 0;
}

}  // namespace standin
