// The simple primitives of a board: tracks, arcs, fills, vias and texts. Each keeps its host
// record in board values; the common fields are the object's own (TBoardObject).
#pragma once

#include <string>
#include <string_view>

#include "server/BoardObject.h"

namespace standin {

// A track keeps of its record only its own values: the common fields are the object's. A
// board holds hundreds of thousands of tracks.
struct TTrackValues {
  int32_t x1 = 0;
  int32_t y1 = 0;
  int32_t x2 = 0;
  int32_t y2 = 0;
  int32_t width = 0;
};

// The reserved fields of a track's record: nearly always zero, so they are kept apart from the
// track, only for the tracks that have them (a track then takes 80 bytes instead of 88).
struct TTrackReserved {
  int32_t reserved1 = 0;
  int32_t reserved2 = 0;
  int32_t reserved3 = 0;

  bool IsZero() const { return reserved1 == 0 && reserved2 == 0 && reserved3 == 0; }
};

class TTrackObject final : public TBoardObject {
public:
  static constexpr uint8_t kKind = kPcbObjectTrack;
  TTrackObject() : TBoardObject(kKind) {}
  ~TTrackObject() override;

  // The track's own values; the exchange adds the common fields.
  void Give(PcbTrackRecord& record) const;
  void Take(const PcbTrackRecord& record);
  // The whole record, common fields included.
  PcbTrackRecord Record() const;

  TGeometry BoardGeometry() const override;
  void SetBoardGeometry(const TGeometry& geometry) override;
  std::optional<TBounds> Bounds() const override;
  void WriteFields(TFieldWriter& writer) const override;
  void ReadFields(TFieldReader& reader) override;

private:
  TTrackReserved Reserved() const;
  void SetReserved(const TTrackReserved& reserved);

  TTrackValues FValues;
  bool FHasReserved = false;
};

class TArcObject final : public TBoardObject {
public:
  static constexpr uint8_t kKind = kPcbObjectArc;
  TArcObject() : TBoardObject(kKind) {}

  void Give(PcbArcRecord& record) const { record = FRecord; }
  bool Accepts(const PcbArcRecord& record) const;
  void Take(const PcbArcRecord& record) { FRecord = record; }
  const PcbArcRecord& Record() const { return FRecord; }

  TGeometry BoardGeometry() const override;
  void SetBoardGeometry(const TGeometry& geometry) override;
  std::optional<TBounds> Bounds() const override;
  void WriteFields(TFieldWriter& writer) const override;
  void ReadFields(TFieldReader& reader) override;

private:
  PcbArcRecord FRecord{};
};

// A rectangle from (x1, y1) to (x2, y2), turned about its centre by its rotation.
class TFillObject final : public TBoardObject {
public:
  static constexpr uint8_t kKind = kPcbObjectFill;
  TFillObject() : TBoardObject(kKind) {}

  void Give(PcbFillRecord& record) const { record = FRecord; }
  bool Accepts(const PcbFillRecord& record) const;
  void Take(const PcbFillRecord& record) { FRecord = record; }
  const PcbFillRecord& Record() const { return FRecord; }

  TGeometry BoardGeometry() const override;
  void SetBoardGeometry(const TGeometry& geometry) override;
  std::optional<TBounds> Bounds() const override;
  void WriteFields(TFieldWriter& writer) const override;
  void ReadFields(TFieldReader& reader) override;

private:
  PcbFillRecord FRecord{};
};

// A via's layer and its start and end layers travel as layer numbers.
class TViaObject final : public TBoardObject {
public:
  static constexpr uint8_t kKind = kPcbObjectVia;
  // A new via goes through the board, TopLayer to BottomLayer.
  TViaObject();

  void Give(PcbViaRecord& record) const { record = FRecord; }
  bool Accepts(const PcbViaRecord& record) const;
  void Take(const PcbViaRecord& record) { FRecord = record; }
  const PcbViaRecord& Record() const { return FRecord; }
  // The via's copper on a layer number: round, its diameter; nothing off its layers.
  bool CoversLayer(PcbLayerNumber layer) const;

  TGeometry BoardGeometry() const override;
  void SetBoardGeometry(const TGeometry& geometry) override;
  void TurnOver() override;
  std::optional<TBounds> Bounds() const override;
  void WriteFields(TFieldWriter& writer) const override;
  void ReadFields(TFieldReader& reader) override;

private:
  PcbViaRecord FRecord{};
};

// A text with its TrueType and bar-code settings. A new text is set in "Arial", 20 mil. It
// keeps its record's own values, its text and its font name in as many bytes as they take
// (the records hold room for 254 and 255 characters; a board has a text or two a component).
class TTextObject final : public TBoardObject {
public:
  static constexpr uint8_t kKind = kPcbObjectText;
  TTextObject();

  void Give(PcbTextRecord& record) const;
  bool Accepts(const PcbTextRecord& record) const;
  void Take(const PcbTextRecord& record);
  void Give(PcbTrueTypeTextRecord& record) const;
  void Take(const PcbTrueTypeTextRecord& record);
  void Give(PcbBarCodeTextRecord& record) const { record = FBarCode; }
  void Take(const PcbBarCodeTextRecord& record) { FBarCode = record; }
  // The whole record, common fields included.
  PcbTextRecord Record() const;
  std::string_view Text() const { return FText; }

  TGeometry BoardGeometry() const override;
  void SetBoardGeometry(const TGeometry& geometry) override;
  std::optional<TBounds> Bounds() const override;
  void WriteFields(TFieldWriter& writer) const override;
  void ReadFields(TFieldReader& reader) override;

private:
  struct TValues {
    int32_t X = 0;
    int32_t Y = 0;
    int32_t Reserved1 = 0;
    int32_t Reserved2 = 0;
    double Rotation = 0;
    uint8_t Reserved3 = 0;
    int32_t Reserved4 = 0;
    int32_t Reserved5 = 0;
    int32_t Reserved6 = 0;
  };
  struct TTrueType {
    uint8_t Reserved1 = 0;
    uint8_t Reserved2 = 0;
    uint8_t Reserved3 = 0;
    uint8_t Reserved4 = 0;
    int32_t Reserved5 = 0;
    std::string FontName;
  };

  TValues FValues;
  std::string FText;
  TTrueType FTrueType;
  PcbBarCodeTextRecord FBarCode{};
};

// Bounds helpers shared by the kinds.
TBounds BoundsAround(double x, double y, double halfWidth, double halfHeight);

}  // namespace standin
