// A read-only view of a board document (.pcbdoc): what `pcbhost info` summarizes and
// `pcbhost render` draws. Texts are byte strings, coordinates host units in board coordinates.
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "app/board_view/BoardPrimitives.h"

namespace pcbhost {

constexpr uint32_t kViewLayerCount = 83;

struct TLayerView {
  std::string Name;
  // Neighbours in the layer stack (layer numbers, 0 = none).
  uint32_t Previous = 0;
  uint32_t Next = 0;
  // Internal planes: the name of the plane's net.
  std::string PlaneNet;
};

struct TNetView {
  uint32_t Handle = 0;
  std::string Name;
};

struct TComponentView {
  std::string Designator;
  std::string Footprint;
  TBoardPoint Location;
  double Rotation = 0;
  uint32_t Layer = 0;
};

struct TRuleView {
  uint32_t RuleKind = 0;
  std::string Name;
  std::string Scope1;
  std::string Scope2;
};

// A class of nets (kind 0) or of from-tos (kind 2) with its members.
struct TClassView {
  uint32_t ClassKind = 0;
  std::string Name;
  std::vector<std::string> Members;
};

struct TBoardView {
  // The board record's file name.
  std::string FileName;
  // Indexed by layer number; layer 0 is unused.
  std::array<TLayerView, kViewLayerCount> Layers;
  // Objects of each kind name, whatever the kind.
  std::map<std::string, std::size_t> KindCounts;
  std::size_t ObjectCount = 0;
  std::vector<TNetView> Nets;
  std::vector<TComponentView> Components;
  std::vector<TRuleView> Rules;
  std::vector<TClassView> Classes;
  // Added one by one as the document is read: a deque, which never moves what it holds.
  std::deque<TPrimitiveView> Primitives;

  // A board without layer records: default names, a stack of TopLayer and BottomLayer.
  TBoardView();

  // The layer stack top to bottom: from the lowest-numbered layer that is in the stack (has a
  // neighbour) and has no previous layer, along the next links. A link out of range or back
  // to a layer already passed ends the walk.
  std::vector<uint32_t> LayerStack() const;
  // The layer's name on this board; the default name when the record has none.
  std::string LayerName(uint32_t number) const;
};

}  // namespace pcbhost
