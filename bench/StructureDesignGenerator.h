// Synthetic designs heavy on board structure and nets: many nets with their pins, and plane
// and keepout polygons with many vertices. They measure the import of the structure and the
// network apart from footprints and wiring.
#pragma once

#include <cstddef>
#include <string>

struct TStructureDesignSize {
  std::size_t Nets = 100000;
  // Vertices over all plane and keepout polygons, about half each.
  std::size_t PolygonVertices = 200000;
};

std::string GenerateStructureDesign(const TStructureDesignSize& size);
