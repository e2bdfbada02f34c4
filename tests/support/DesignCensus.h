// What a design file holds, read by the tests with a reader of their own (not the plug-in's
// parser), so that a fault in the translator's reading cannot hide itself: the net names of
// the network and the reference designators of the placement.
#pragma once

#include <set>
#include <string>

struct TDesignCensus {
  std::set<std::string> NetNames;
  std::set<std::string> Designators;
};

// The census of a design's text. Unbalanced input is closed at its end; a design without a
// network or placement has empty sets.
TDesignCensus CensusOfDesign(const std::string& text);
