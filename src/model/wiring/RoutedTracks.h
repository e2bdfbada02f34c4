// The plain tracks of one host net on their way into a routes or session file, each written
// as a wire of one two-point path. A large board has millions of them, so each is a small
// record read from the host once, with no wire or shape object of its own.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "host/PcbApi.h"

class THostLayerNames;
class TSpecctraWriter;

// What the export needs of one host track, in host units.
struct TRoutedTrack {
  PcbHandle Handle = 0;
  int32_t X1 = 0;
  int32_t Y1 = 0;
  int32_t X2 = 0;
  int32_t Y2 = 0;
  int32_t Width = 0;
  PcbLayerId LayerId = 0;
  PcbLayerNumber Layer = 0;
  uint8_t RoutedState = 0;
  bool Keepout = false;
};

// Every track of the host net, each read once, in the host's order.
std::vector<TRoutedTrack> ReadNetTracks(PcbHandle hostNet);

class TRoutedTracks {
public:
  void Add(const TRoutedTrack& track) { FTracks.push_back(track); }
  void Reserve(std::size_t count) { FTracks.reserve(count); }
  std::size_t Count() const { return FTracks.size(); }
  const std::vector<TRoutedTrack>& Tracks() const { return FTracks; }

  // Each track as (wire (path LAYER width x1 y1 x2 y2) (type route)) at the writer's
  // indentation, the type only for a track the host does not mark routed; lengths and
  // coordinates in file units.
  void Write(TSpecctraWriter& writer, const THostLayerNames& layerNames) const;

private:
  std::vector<TRoutedTrack> FTracks;
};
