#include "app/board_view/BoardLegend.h"

#include <algorithm>

#include "app/board_view/LayerStyle.h"
#include "app/board_view/SvgElement.h"

namespace pcbhost {
namespace {

// Text size in lines; a character takes about 0.6 of the text size across.
constexpr double kLegendTextSize = 0.6;
constexpr double kCharacterWidth = 0.6;
// Lines besides the entries: the title and the space around.
constexpr double kExtraLines = 2.5;

}  // namespace

double LegendWidth(const std::vector<TLegendEntry>& legend, double line) {
  std::size_t longest = 10;
  for (const TLegendEntry& entry : legend) longest = std::max(longest, entry.Name.size());
  return line * (2 + kLegendTextSize * kCharacterWidth * static_cast<double>(longest));
}

std::string LegendSvg(const std::vector<TLegendEntry>& legend, double left, double top,
                      double line) {
  const TSvgElement group = TSvgElement("g")
                                .Set("id", "legend")
                                .Set("font-family", "sans-serif")
                                .Length("font-size", line * kLegendTextSize)
                                .Set("fill", kLegendTextColour);
  std::string body =
      TSvgElement("text").Length("x", left + line * 0.5).Length("y", top + line).WithText("Layers");
  double y = top + line;
  for (auto entry = legend.rbegin(); entry != legend.rend(); ++entry) {
    y += line;
    body += TSvgElement("rect")
                .Length("x", left + line * 0.5)
                .Length("y", y - line * 0.55)
                .Length("width", line * 0.7)
                .Length("height", line * 0.7)
                .Set("fill", entry->Colour)
                .Set("stroke", kLegendTextColour)
                .Length("stroke-width", line * 0.03)
                .Empty();
    body += TSvgElement("text").Length("x", left + line * 1.5).Length("y", y).WithText(entry->Name);
  }
  return group.Open() + body + group.Close();
}

double LegendHeight(const std::vector<TLegendEntry>& legend, double line) {
  return line * (static_cast<double>(legend.size()) + kExtraLines);
}

}  // namespace pcbhost
