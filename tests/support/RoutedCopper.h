// What a routed design places and routes, and what a session gives back, read by the tests'
// own reader in one length unit (millimetres), so that the two can be compared: placed
// components, wire segments, polygon wires and vias.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

struct TCopperItem {
  enum class EKind { Place, Segment, Polygon, Via };
  EKind Kind = EKind::Place;
  // The names that must agree exactly, upper-cased (the lexer upper-cases unquoted words):
  // designator and side; net and layer; net and via number.
  std::string Key;
  // x, y pairs in mm: a place's or via's position, a segment's two ends, a polygon's ring
  // (without a closing vertex that repeats the first).
  std::vector<double> Points;
  // A wire's width in mm.
  double Width = 0;
  // A place's rotation in degrees, in [0, 360).
  double Rotation = 0;
  // A via's padstack name, upper-cased.
  std::string Padstack;
};

struct TRoutedCopper {
  std::vector<TCopperItem> Items;
  // Wires in shapes the reader does not take (upper-cased shape keyword, count), such as the
  // polyline_path of some writers.
  std::map<std::string, int> UnreadWireShapes;
  // The design's padstacks in library order: name and the text of their shapes, upper-cased.
  std::vector<std::pair<std::string, std::string>> Padstacks;
  // Millimetres per number unit of a session (its resolution); 0 for a design.
  double SessionUnit = 0;
};

// A design's placement and wiring, in its units: the design's unit statement, else its
// resolution's unit; a section's own unit overrides, and a wiring section with its own
// resolution counts in fractions of that resolution.
TRoutedCopper RoutedCopperOfDesign(const std::string& text);
// A session's placement and network_out, whose numbers count the resolution's fractions of its
// unit; wires and vias take the net of their net block.
TRoutedCopper RoutedCopperOfSession(const std::string& text);

// Names each via's padstack by the first padstack of the design's library with the same shapes:
// the board holds a via by its size and layers, so padstacks that differ in name only are one
// via to it, and an export can only give the first of them back.
void NameViaPadstacksByShape(std::vector<TCopperItem>& items, const TRoutedCopper& design);

// One line for messages: kind, key, numbers.
std::string Describe(const TCopperItem& item);
