// A via of a wiring section, a routed net or an image: a padstack at a position, with its
// net, via number, wire type, attribute and contacts. On design import it becomes a host via
// whose layers and diameter come from the padstack; on export a host via becomes one again,
// with the library padstack that fits it best.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "model/base/SpecctraObject.h"
#include "model/base/SpecctraValueTypes.h"
#include "model/library/ViaPadstackFacts.h"

class TViaPlaneContacts;

// The wire types of vias and wires: the router may move only normal (and untyped) copper.
enum TSpecctraWireType : uint8_t {
  wtNone = 0,
  wtFixed = 1,
  wtRoute = 2,
  wtNormal = 3,
  wtProtect = 4,
};

// The wire type of a type word (fix, route, normal, protect), or nothing.
std::optional<uint8_t> WireTypeOfKeyword(int32_t id);
// Whether host copper of the wire type is left for the router (not fixed, route or protect).
bool WireTypeRouted(uint8_t type);

class TSpecctraViaInstance : public TSpecctraObject {
public:
  static constexpr uint8_t kAttrTest = 1;
  static constexpr uint8_t kAttrFanout = 2;
  static constexpr uint8_t kAttrJumper = 4;
  static constexpr uint8_t kAttrVirtualPin = 5;
  // The hole of every via made on the board: 5 mil.
  static constexpr int32_t kHostHoleSize = 50000;

  using TSpecctraObject::TSpecctraObject;
  std::string_view ClassName() const override { return "TSpecctraViaInstance"; }

  //   (via PADSTACK x y (net N) (type t) (via_number n) (contact L ...) (attr a)
  //        (virtual_pin NAME x y (net N)) (supply))
  bool LoadFromFile() override;
  // A host via in the via's container; a via without a usable via padstack is not made.
  bool ExportToPcb() override;
  // From the host via of the host handle: net, plane contacts, best padstack, position.
  bool ImportFromPcb() override;
  //   (via PADSTACK x y (via_number n) (contact  L ...))
  bool ExportToFile() override;

  // The design import with a padstack already looked up (nothing: no such padstack).
  void ExportWithPadstack(const std::optional<TViaPadstackFacts>& padstack);
  // Reads the host via, with the board's plane contacts and the library padstacks given.
  void ImportHostVia(const TViaPlaneContacts& planes,
                     std::span<const TViaPadstackFacts> padstacks, bool hasLibrary);
  // Chooses the padstack again among the library's (spare ones allowed with a via number);
  // a via number without a fitting padstack gives "INVALID_PADSTACK_REF" and an error.
  void ChoosePadstack(std::span<const TViaPadstackFacts> padstacks, bool hasLibrary);

  const std::string& PadstackName() const { return FPadstackName; }
  const TVertex& Position() const { return FPosition; }
  const std::string& NetName() const { return FNetName; }
  uint8_t ViaNumber() const { return FViaNumber; }
  void SetViaNumber(uint8_t number) { FViaNumber = number; }
  uint8_t Type() const { return FType; }
  uint8_t Attribute() const { return FAttribute; }
  const std::string& VirtualPinName() const;
  const std::string& Contact() const;
  bool Supply() const { return FSupply; }
  // The host via's end layers and size, read by ImportFromPcb.
  PcbLayerNumber HostLowLayer() const { return FHostLow; }
  PcbLayerNumber HostHighLayer() const { return FHostHigh; }
  int32_t HostSize() const { return FHostSize; }

private:
  // Pads of the via's padstack on a stack layer without a host layer are named once per layer.
  void ReportPadsOnUnmappedLayers();
  bool ReadWord(std::string& text);
  bool ReadPosition();
  bool ReadTypeWord();
  bool ReadAttribute();
  bool ReadContacts();
  bool ReadVirtualPin();
  // The board, or the component of the image the via belongs to.
  PcbHandle ViaContainer() const;

  std::string FPadstackName;
  TVertex FPosition;
  std::string FNetName;
  uint8_t FViaNumber = 0;
  uint8_t FType = wtNone;
  uint8_t FAttribute = 0;
  // The texts few vias give: held apart, so that a board's many plain vias stay small.
  struct TTexts {
    std::string VirtualPinName;
    std::string Contact;
  };
  TTexts& Texts();

  std::unique_ptr<TTexts> FTexts;
  bool FSupply = false;
  bool FPositionRead = false;
  PcbLayerNumber FHostLow = 0;
  PcbLayerNumber FHostHigh = 0;
  int32_t FHostSize = 0;
};
