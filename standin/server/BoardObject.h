// An object of the PCB server: its handle, kind, the fields every object has, and where it
// is: in no container, on a board, or in a component (which may itself be on a board).
//
// A primitive in a component keeps its geometry relative to the component as well as its
// board values (what reading it gives), so that moving, turning or flipping the component
// moves it without rounding drift.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "host/PcbApi.h"
#include "server/ObjectGeometry.h"
#include "server/ObjectPool.h"
#include "server/PackedGeometry.h"

namespace standin {

class TBoard;
class TFieldReader;
class TFieldWriter;

// What every object carries: the flag word and its two further bit sets, the values carried
// unchanged, its layer (a number), its net and its routed-state flag.
// Packed into 20 bytes: every object carries them.
struct TCommonFields {
  uint16_t Flags = 0;
  uint16_t Aux16 = 0;
  PcbLayerNumber Layer = kNoLayer;
  uint8_t RoutedState = 0;
  uint8_t BitField2 = 0;
  PcbHandle Net = 0;
  uint32_t Aux32 = 0;
  uint16_t BitField3 = 0;
};

// The flag bits that board documents name.
constexpr uint16_t kNamedFlagBits =
    kPcbFlagTestPointTop | kPcbFlagKeepout | kPcbFlagTestPointBottom;

struct TBounds {
  int32_t Left = 0;
  int32_t Bottom = 0;
  int32_t Right = 0;
  int32_t Top = 0;
};

// Renumbering of the handles an object refers to (loading a document).
using THandleMap = std::function<PcbHandle(PcbHandle)>;

class TBoardObject {
public:
  explicit TBoardObject(uint8_t kind) : FKind(kind) {}
  virtual ~TBoardObject() = default;
  TBoardObject(const TBoardObject&) = delete;
  TBoardObject& operator=(const TBoardObject&) = delete;

  // Objects of every kind live in the server's object pool.
  static void* operator new(std::size_t size) { return AllocateObjectMemory(size); }
  static void operator delete(void* memory, std::size_t size) noexcept {
    ReleaseObjectMemory(memory, size);
  }

  PcbHandle Handle() const { return FHandle; }
  void SetHandle(PcbHandle handle) { FHandle = handle; }
  uint8_t Kind() const { return FKind; }
  TCommonFields& Common() { return FCommon; }
  const TCommonFields& Common() const { return FCommon; }
  // A record of the object's kind with the common fields filled in from the object.
  template <class TRecord>
  TRecord RecordWithCommonFields() const {
    TRecord record{};
    record.flags = FCommon.Flags;
    record.aux16 = FCommon.Aux16;
    record.layer = FCommon.Layer;
    record.net = FCommon.Net;
    record.routedState = FCommon.RoutedState;
    record.aux32 = FCommon.Aux32;
    return record;
  }

  // Its container: none, the board (ComponentHandle 0) or a component.
  bool InContainer() const { return FInContainer; }
  PcbHandle ComponentHandle() const { return FComponent; }
  // The board it is on, directly or through its component; null when on none.
  TBoard* Board() const { return FBoard; }
  void PutInContainer(TBoard* board, PcbHandle component);
  void TakeOutOfContainer();
  // For the members of a component that is put on or taken off a board.
  void SetBoard(TBoard* board) { FBoard = board; }

  // Geometry in board values; what moves with a component. Kinds without geometry have none.
  virtual TGeometry BoardGeometry() const { return {}; }
  virtual void SetBoardGeometry(const TGeometry&) {}
  // The kind's layers and sides swapped for the other side of the board (a component turned
  // over): the object's own layer, and what the kind holds per side.
  virtual void TurnOver();
  virtual std::optional<TBounds> Bounds() const { return std::nullopt; }

  // Component members: the relative geometry taken from the board values now, unless the
  // values still are where the relative geometry puts them; and the board values from the
  // relative geometry under a new placement.
  void KeepRelativeTo(const TPlacement& placement);
  void PlaceRelativeTo(const TPlacement& placement);
  void ForgetRelative() { FRelative.reset(); }

  // The handles it refers to: its net, and the kind's own.
  virtual void RemapHandles(const THandleMap& map);

  // Board documents: the kind's fields after the common ones.
  virtual void WriteFields(TFieldWriter& writer) const = 0;
  virtual void ReadFields(TFieldReader& reader) = 0;

private:
  // Ordered to leave no padding: the board holds a great many objects.
  PcbHandle FHandle = 0;
  PcbHandle FComponent = 0;
  TBoard* FBoard = nullptr;
  TPackedGeometry::TPointer FRelative;
  TCommonFields FCommon;
  uint8_t FKind;
  bool FInContainer = false;
};

// The objects that carry only the common fields: component bodies and differential pairs.
class TPlainObject final : public TBoardObject {
public:
  using TBoardObject::TBoardObject;
  void WriteFields(TFieldWriter&) const override {}
  void ReadFields(TFieldReader&) override {}
};

}  // namespace standin
