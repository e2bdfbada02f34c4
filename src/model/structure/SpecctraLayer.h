// One layer of the design's layer stack: its kind, preferred routing direction, cost, the nets
// of a plane layer and, once the stack is built on the board, the host layer it became.
#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "model/base/SpecctraObject.h"

enum TSpecctraLayerKind : uint8_t {
  lkSignal = 0,
  lkPower = 1,
  lkMixed = 2,
  lkJumper = 3,
};

enum TSpecctraLayerDirection : uint8_t {
  ldNone = 0,
  ldHorizontal = 1,
  ldVertical = 2,
  ldOrthogonal = 3,
  ldPositiveDiagonal = 4,
  ldNegativeDiagonal = 5,
  ldDiagonal = 6,
  ldOther = 7,  // any other direction word
};

// The named costs of a (cost ...) statement; a number is kept as given.
inline constexpr int32_t kLayerCostForbidden = -2;
inline constexpr int32_t kLayerCostHigh = -3;
inline constexpr int32_t kLayerCostMedium = -4;
inline constexpr int32_t kLayerCostLow = -5;
inline constexpr int32_t kLayerCostFree = -6;

enum TSpecctraLayerCostType : uint8_t {
  lcWay = 0,
  lcLength = 1,
};

class TSpecctraLayer : public TSpecctraObject {
public:
  explicit TSpecctraLayer(TSpecctraObject* owner) : TSpecctraObject(owner) {}
  TSpecctraLayer(TSpecctraObject* owner, std::string name, TSpecctraLayerKind kind,
                 uint8_t hostLayerId);
  std::string_view ClassName() const override { return "TSpecctraLayer"; }

  //   (layer NAME (type signal|power|mixed|jumper) (direction horizontal|vertical|...)
  //          (cost forbidden|high|medium|low|free|N [(type length|way)]) (use_net NET ...)
  //          (property ...) (rule ...))
  bool LoadFromFile() override;

  uint8_t Kind() const { return FKind; }
  uint8_t Direction() const { return FDirection; }
  int32_t Cost() const { return FCost; }
  uint8_t CostType() const { return FCostType; }
  // The nets given by use_net; empty when none.
  const std::vector<std::string>& PlaneNets() const { return FPlaneNets; }
  // 0 while the layer is not mapped onto a host layer.
  uint8_t HostLayerId() const { return FHostLayerId; }
  void SetHostLayerId(uint8_t id) { FHostLayerId = id; }
  // True the first time objects of a kind ask for the layer while it has no host layer, so
  // that they are reported once per layer and kind.
  bool FirstUnmappedUse(std::string_view kind) {
    return FHostLayerId == 0 && FUnmappedKinds.emplace(kind).second;
  }

  // Signal, mixed and jumper layers carry routing; power and mixed layers carry planes.
  bool IsRoutable() const { return FKind != lkPower; }
  bool CarriesPlane() const { return FKind == lkPower || FKind == lkMixed; }
  // Whether this is the first (last) layer of its stack; raises when the owner is no stack.
  bool IsFirstLayer() const;
  bool IsLastLayer() const;
  // "POWER" for a power layer, "SIGNAL" for every other kind.
  std::string_view KindName() const;

private:
  bool LoadType();
  bool LoadDirection();
  // Its result is kept out of the layer's: a bad cost costs only the report line.
  bool LoadCost();
  bool LoadPlaneNets();

  TSpecctraLayerKind FKind = lkSignal;
  TSpecctraLayerDirection FDirection = ldNone;
  int32_t FCost = 0;
  uint8_t FCostType = lcWay;
  std::vector<std::string> FPlaneNets;
  uint8_t FHostLayerId = 0;
  std::set<std::string, std::less<>> FUnmappedKinds;
};
