#include "StructureDesignGenerator.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr std::size_t kVerticesPerPolygon = 1000;
constexpr double kBoardSize = 400000;  // um

// A closed polygon of n vertices on a circle, as "x y" pairs.
void AppendRing(std::string& text, double cx, double cy, double radius, std::size_t n) {
  for (std::size_t i = 0; i < n; ++i) {
    const double angle = 2 * std::numbers::pi * static_cast<double>(i) / static_cast<double>(n);
    text += ' ' + std::to_string(std::lround(cx + radius * std::cos(angle)));
    text += ' ' + std::to_string(std::lround(cy + radius * std::sin(angle)));
  }
  text += '\n';
}

void AppendStructure(std::string& text, std::size_t polygonVertices) {
  text += "  (structure\n"
          "    (layer F.Cu (type signal))\n"
          "    (layer GND (type power) (use_net GND))\n"
          "    (layer In2.Cu (type signal))\n"
          "    (layer B.Cu (type signal))\n"
          "    (boundary (path pcb 0 0 0 400000 0 400000 400000 0 400000 0 0))\n";
  const std::size_t polygons = std::max<std::size_t>(2, polygonVertices / kVerticesPerPolygon);
  const double step = kBoardSize / static_cast<double>(polygons + 1);
  for (std::size_t i = 0; i < polygons; ++i) {
    const double c = step * static_cast<double>(i + 1);
    if (i % 2 == 0) {
      text += "    (plane GND (polygon GND 0";
    } else {
      text += "    (keepout k" + std::to_string(i) + " (polygon F.Cu 0";
    }
    AppendRing(text, c, c, step / 3, kVerticesPerPolygon);
    text += "    ))\n";
  }
  text += "  )\n";
}

void AppendNetwork(std::string& text, std::size_t nets) {
  text += "  (network\n";
  for (std::size_t i = 0; i < nets; ++i) {
    const std::string n = std::to_string(i + 1);
    text += "    (net N" + n + " (pins R" + n + "-1 R" + n + "-2 U1-" + n + "))\n";
  }
  text += "  )\n";
}

}  // namespace

std::string GenerateStructureDesign(const TStructureDesignSize& size) {
  std::string text = "(pcb structure_bench\n"
                     "  (parser (host_cad bench))\n"
                     "  (resolution um 10)\n"
                     "  (unit um)\n";
  AppendStructure(text, size.PolygonVertices);
  AppendNetwork(text, size.Nets);
  text += ")\n";
  return text;
}
