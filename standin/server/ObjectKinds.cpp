#include "server/ObjectKinds.h"

#include <array>

#include "host/PcbApi.h"

namespace standin {
namespace {

struct TKindName {
  uint8_t Kind;
  std::string_view Name;
};

constexpr std::array<TKindName, 23> kKindNames = {{
    {kPcbObjectArc, "arc"},
    {kPcbObjectPad, "pad"},
    {kPcbObjectVia, "via"},
    {kPcbObjectTrack, "track"},
    {kPcbObjectText, "text"},
    {kPcbObjectFill, "fill"},
    {kPcbObjectFromTo, "fromTo"},
    {kPcbObjectNet, "net"},
    {kPcbObjectComponent, "component"},
    {kPcbObjectPolygon, "polygon"},
    {kPcbObjectRegion, "region"},
    {kPcbObjectComponentBody, "componentBody"},
    {kPcbObjectDimension, "dimension"},
    {kPcbObjectCoordinate, "coordinate"},
    {kPcbObjectClass, "class"},
    {kPcbObjectRule, "rule"},
    {kPcbObjectManualFromTo, "manualFromTo"},
    {kPcbObjectDifferentialPair, "differentialPair"},
    {kPcbObjectViolation, "violation"},
    {kPcbObjectEmbedded, "embedded"},
    {kPcbObjectEmbeddedBoard, "embeddedBoard"},
    {kPcbObjectSplitPlane, "splitPlane"},
    {kPcbObjectBoardOutline, "boardOutline"},
}};

}  // namespace

std::string_view ObjectKindName(uint8_t kind) {
  for (const TKindName& entry : kKindNames)
    if (entry.Kind == kind) return entry.Name;
  return {};
}

std::optional<uint8_t> ObjectKindOfName(std::string_view name) {
  for (const TKindName& entry : kKindNames)
    if (entry.Name == name) return entry.Kind;
  return std::nullopt;
}

bool IsObjectKind(uint8_t kind) { return !ObjectKindName(kind).empty(); }

bool IsComponentPrimitiveKind(uint8_t kind) {
  switch (kind) {
    case kPcbObjectArc:
    case kPcbObjectPad:
    case kPcbObjectVia:
    case kPcbObjectTrack:
    case kPcbObjectText:
    case kPcbObjectFill:
    case kPcbObjectRegion:
    case kPcbObjectComponentBody: return true;
    default: return false;
  }
}

}  // namespace standin
