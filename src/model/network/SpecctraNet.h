// A net of the design's network section: its pins, its pin roles, number, type and supply.
// Its host net comes into being on first use (GetHostNet), from the network's ExportToPcb or
// from any object that needs to connect to it, and is never created twice.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string_view>

#include "model/base/SpecctraList.h"
#include "model/network/AbstractNetworkDescriptor.h"
#include "model/network/PinReferenceList.h"

// The net's (type ...): not given, fix (the router keeps off it) or normal.
enum TSpecctraNetType : uint8_t { eNetType_None = 0, eNetType_Fix = 1, eNetType_Normal = 2 };
// The net's (supply ...).
enum TSpecctraNetSupply : uint8_t { eSupply_None = 0, eSupply_Power = 1, eSupply_Ground = 2 };
// The pin lists that give pins a role in the net.
enum class TNetPinList : uint8_t { Expose, NoExpose, Source, Load, Terminator };

class TSpecctraNet : public TSpecctraAbstractNetGroupObject {
public:
  explicit TSpecctraNet(TSpecctraObject* owner);
  // Gives up the pins that the net claimed in the run's pin map.
  ~TSpecctraNet() override;
  // The same, for a net that failed to load but is kept for its rule scopes.
  void ReleasePins();
  std::string_view ClassName() const override { return "TSpecctraNet"; }

  // (net name (pins ref ...) (order ref ...) (expose|noexpose|source|load|terminator ref ...)
  //  (net_number n) (type fix|normal) (supply power|ground) (unassigned) (fromto ...)
  //  (rule ...) (circuit ...) (layer_rule ...) (property ...))
  bool LoadFromFile() override;
  // Creates the host net when it has none yet, and for a fixed net the rule that keeps the
  // router off it. Answers whether the net has its host net.
  bool ExportToPcb() override;

  // The net's host net, created first when it has none (nil when the board refuses it). Nets
  // defined twice under one name share the host net of the one the network files first.
  PcbHandle GetHostNet();
  // Creates the host net on the multi-layer, named as the net, and adds it to the board;
  // answers whether the board took it.
  bool CreateHostNet();

  bool Unassigned() const { return FUnassigned; }
  int32_t NetNumber() const { return FNetNumber; }
  uint8_t Type() const { return FType; }
  uint8_t Supply() const { return FSupply; }
  const TPinReferenceList& Pins() const { return FPins; }
  // Nil when the net's block had no such list.
  const TPinReferenceList* PinList(TNetPinList list) const;
  bool ListHolds(TNetPinList list, std::string_view pin) const;
  // The net's from-tos; nil before the first fromto statement.
  const TSpecctraList* FromTos() const { return FFromTos.get(); }

private:
  // The name after the keyword; false (reported) when a parenthesis stands in its place.
  bool LoadName();
  // Reads pin references up to the list's closing parenthesis into the list; pins that the
  // run's pin map has not seen yet are claimed for this net.
  void LoadPins(TPinReferenceList& pins, bool claim);
  // The word after (type or (supply: first gives 1, second 2; any other is unexpected.
  bool LoadChoice(uint8_t& field, int32_t first, int32_t second);
  TPinReferenceList& PinListToFill(TNetPinList list);

  bool FUnassigned = false;
  int32_t FNetNumber = 0;
  TPinReferenceList FPins;
  uint8_t FType = eNetType_None;
  std::unique_ptr<TSpecctraList> FFromTos;
  // From-tos that failed: kept for the rule scopes that name them, never translated.
  TSpecctraList FDroppedFromTos;
  std::array<std::unique_ptr<TPinReferenceList>, 5> FPinLists;
  uint8_t FSupply = eSupply_None;
};
