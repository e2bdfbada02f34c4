#include "app/board_view/BoardSummary.h"

#include <algorithm>
#include <sstream>
#include <string_view>
#include <vector>

#include "app/board_view/CountText.h"
#include "app/board_view/ObjectKindNames.h"
#include "app/board_view/RuleKindNames.h"
#include "common/DocumentText.h"
#include "common/NumberFormat.h"
#include "host/PcbApi.h"

namespace pcbhost {
namespace {

// Nets and components the text form lists before it says how many more there are.
constexpr std::size_t kListedEntries = 20;
constexpr double kUnitsPerMil = 10000;

// Kind names with their counts: the summary kinds first, then the others in name order.
std::vector<std::pair<std::string, std::size_t>> OrderedCounts(const TBoardView& view) {
  std::vector<std::pair<std::string, std::size_t>> counts;
  const auto& fixed = SummaryKindNames();
  for (const std::string_view name : fixed) {
    const auto found = view.KindCounts.find(std::string(name));
    counts.emplace_back(name, found == view.KindCounts.end() ? 0 : found->second);
  }
  for (const auto& [name, count] : view.KindCounts)
    if (std::find(fixed.begin(), fixed.end(), name) == fixed.end())
      counts.emplace_back(name, count);
  return counts;
}

std::string SideOf(const TBoardView& view, uint32_t layer) {
  if (layer == kTopLayer) return "top";
  if (layer == kBottomLayer) return "bottom";
  return view.LayerName(layer);
}

std::string Mil(double units) { return FormatNumber(units / kUnitsPerMil); }

// A byte string on one line of a terminal: control characters show as '?'.
std::string OneLine(std::string_view text) {
  std::string line(text);
  for (char& c : line)
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = '?';
  return line;
}

void WriteMore(std::ostream& out, std::size_t total) {
  if (total > kListedEntries) out << "  ... and " << total - kListedEntries << " more\n";
}

void WriteCountsText(std::ostream& out, const TBoardView& view) {
  out << "objects: " << view.ObjectCount << "\n";
  for (const auto& [name, count] : OrderedCounts(view))
    if (count > 0) out << "  " << OneLine(name) << ": " << count << "\n";
}

void WriteStackText(std::ostream& out, const TBoardView& view) {
  const std::vector<uint32_t> stack = view.LayerStack();
  out << "layer stack (top to bottom): " << stack.size() << "\n";
  for (const uint32_t layer : stack) {
    out << "  " << layer << " " << OneLine(view.LayerName(layer));
    const std::string& planeNet = view.Layers[layer].PlaneNet;
    if (!planeNet.empty()) out << " (net " << OneLine(planeNet) << ")";
    out << "\n";
  }
}

void WriteNetsText(std::ostream& out, const TBoardView& view) {
  out << "nets: " << view.Nets.size() << "\n";
  for (std::size_t i = 0; i < view.Nets.size() && i < kListedEntries; ++i)
    out << "  " << OneLine(view.Nets[i].Name) << "\n";
  WriteMore(out, view.Nets.size());
}

void WriteComponentsText(std::ostream& out, const TBoardView& view) {
  out << "components: " << view.Components.size() << "\n";
  for (std::size_t i = 0; i < view.Components.size() && i < kListedEntries; ++i) {
    const TComponentView& component = view.Components[i];
    out << "  " << OneLine(component.Designator) << " " << OneLine(component.Footprint) << " at ("
        << Mil(component.Location.X) << ", " << Mil(component.Location.Y) << ") mil, rotation "
        << FormatNumber(component.Rotation) << ", " << OneLine(SideOf(view, component.Layer))
        << "\n";
  }
  WriteMore(out, view.Components.size());
}

void WriteRulesText(std::ostream& out, const TBoardView& view) {
  out << "rules: " << view.Rules.size() << "\n";
  for (const TRuleView& rule : view.Rules)
    out << "  " << RuleKindName(rule.RuleKind) << " \"" << OneLine(rule.Name)
        << "\": " << OneLine(rule.Scope1) << " | " << OneLine(rule.Scope2) << "\n";
}

std::string ClassKindName(uint32_t kind) {
  return kind == kPcbClassKindFromTo ? "from-tos" : "nets";
}

void WriteClassesText(std::ostream& out, const TBoardView& view) {
  out << "classes: " << view.Classes.size() << "\n";
  for (const TClassView& c : view.Classes) {
    out << "  " << OneLine(c.Name) << " (" << ClassKindName(c.ClassKind) << "):";
    for (const std::string& member : c.Members) out << " " << OneLine(member);
    out << "\n";
  }
}

TSummaryJson CountsJson(const TBoardView& view) {
  TSummaryJson counts = TSummaryJson::object();
  for (const auto& [name, count] : OrderedCounts(view)) counts[BytesToDocumentText(name)] = count;
  return counts;
}

TSummaryJson StackJson(const TBoardView& view) {
  TSummaryJson stack = TSummaryJson::array();
  for (const uint32_t layer : view.LayerStack()) {
    TSummaryJson entry = {{"number", layer}, {"name", BytesToDocumentText(view.LayerName(layer))}};
    if (layer >= kInternalPlane1 && layer <= kInternalPlane16)
      entry["planeNet"] = BytesToDocumentText(view.Layers[layer].PlaneNet);
    stack.push_back(std::move(entry));
  }
  return stack;
}

TSummaryJson NetsJson(const TBoardView& view) {
  TSummaryJson nets = TSummaryJson::array();
  for (const TNetView& net : view.Nets) nets.push_back(BytesToDocumentText(net.Name));
  return nets;
}

TSummaryJson ComponentsJson(const TBoardView& view) {
  TSummaryJson components = TSummaryJson::array();
  for (const TComponentView& component : view.Components)
    components.push_back({{"designator", BytesToDocumentText(component.Designator)},
                          {"footprint", BytesToDocumentText(component.Footprint)},
                          {"x", component.Location.X / kUnitsPerMil},
                          {"y", component.Location.Y / kUnitsPerMil},
                          {"rotation", component.Rotation},
                          {"side", BytesToDocumentText(SideOf(view, component.Layer))}});
  return components;
}

TSummaryJson RulesJson(const TBoardView& view) {
  TSummaryJson rules = TSummaryJson::array();
  for (const TRuleView& rule : view.Rules)
    rules.push_back({{"ruleKind", rule.RuleKind},
                     {"kind", RuleKindName(rule.RuleKind)},
                     {"name", BytesToDocumentText(rule.Name)},
                     {"scope1", BytesToDocumentText(rule.Scope1)},
                     {"scope2", BytesToDocumentText(rule.Scope2)}});
  return rules;
}

TSummaryJson ClassesJson(const TBoardView& view) {
  TSummaryJson classes = TSummaryJson::array();
  for (const TClassView& c : view.Classes) {
    TSummaryJson members = TSummaryJson::array();
    for (const std::string& member : c.Members) members.push_back(BytesToDocumentText(member));
    classes.push_back({{"name", BytesToDocumentText(c.Name)},
                       {"kind", ClassKindName(c.ClassKind)},
                       {"members", std::move(members)}});
  }
  return classes;
}

}  // namespace

std::string BoardCountsLine(const std::map<std::string, std::size_t>& kindCounts) {
  std::string line;
  for (const char* kind : {"component", "pad", "net", "track", "via", "rule"}) {
    if (!line.empty()) line += ", ";
    const auto found = kindCounts.find(kind);
    line += CountText(found == kindCounts.end() ? 0 : found->second, kind);
  }
  return line;
}

std::string BoardSummaryText(const TBoardView& view, const std::string& path) {
  std::ostringstream out;
  out << "board: " << OneLine(path) << "\n";
  if (!view.FileName.empty()) out << "file name: " << OneLine(view.FileName) << "\n";
  WriteCountsText(out, view);
  WriteStackText(out, view);
  WriteNetsText(out, view);
  WriteComponentsText(out, view);
  WriteRulesText(out, view);
  WriteClassesText(out, view);
  return out.str();
}

TSummaryJson BoardSummaryJson(const TBoardView& view, const std::string& path) {
  TSummaryJson summary;
  summary["file"] = BytesToDocumentText(path);
  summary["fileName"] = BytesToDocumentText(view.FileName);
  summary["objects"] = view.ObjectCount;
  summary["counts"] = CountsJson(view);
  summary["layerStack"] = StackJson(view);
  summary["nets"] = NetsJson(view);
  summary["components"] = ComponentsJson(view);
  summary["rules"] = RulesJson(view);
  summary["classes"] = ClassesJson(view);
  return summary;
}

}  // namespace pcbhost
