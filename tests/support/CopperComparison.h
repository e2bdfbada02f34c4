// The placed components and copper of a design against a session's, as multisets whose lengths
// agree within a tolerance.
#pragma once

#include <vector>

#include "support/RoutedCopper.h"

struct TCopperDifference {
  // In the design, not given back by the session.
  std::vector<TCopperItem> Missing;
  // In the session, not in the design.
  std::vector<TCopperItem> Extra;
};

// Pairs each expected item with one actual item of the same kind, key and padstack whose
// lengths lie within the tolerance (mm): segments in either direction, polygon rings from any
// start vertex in either direction, rotations within a hundredth of a degree.
TCopperDifference CompareCopper(const std::vector<TCopperItem>& expected,
                                const std::vector<TCopperItem>& actual, double tolerance);
