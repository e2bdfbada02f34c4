// The picture's legend: a swatch and a name for each layer and each kind of thing drawn.
#pragma once

#include <string>
#include <vector>

namespace pcbhost {

struct TLegendEntry {
  std::string Name;
  // "#rrggbb"
  std::string Colour;
};

// The room the legend takes, in host units, for entries in lines of the given height.
double LegendWidth(const std::vector<TLegendEntry>& legend, double line);
double LegendHeight(const std::vector<TLegendEntry>& legend, double line);

// A group with a title and the entries, the last one first (entries are gathered in drawing
// order, so the top of the drawing heads the list); its upper left corner at (left, top) in
// the picture's unflipped coordinates.
std::string LegendSvg(const std::vector<TLegendEntry>& legend, double left, double top,
                      double line);

}  // namespace pcbhost
