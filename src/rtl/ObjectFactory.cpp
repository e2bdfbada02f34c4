#include "rtl/ObjectFactory.h"

#include "rtl/PcbCarriedObjects.h"
#include "rtl/PcbClass.h"
#include "rtl/PcbComponent.h"
#include "rtl/PcbConnectivity.h"
#include "rtl/PcbEmbedded.h"
#include "rtl/PcbObjectCalls.h"
#include "rtl/PcbPad.h"
#include "rtl/PcbPolygons.h"
#include "rtl/PcbPrimitives.h"
#include "rtl/PcbRules.h"
#include "rtl/PcbText.h"
#include "rtl/PcbVia.h"

std::unique_ptr<TPCBObject> CreatePcbObjectOfKind(uint8_t objectKind, PcbHandle handle) {
  switch (objectKind) {
    case kPcbObjectArc: return std::make_unique<TPcbArc>(handle);
    case kPcbObjectPad: return std::make_unique<TPcbPad>(handle);
    case kPcbObjectVia: return std::make_unique<TPcbVia>(handle);
    case kPcbObjectTrack: return std::make_unique<TPcbTrack>(handle);
    case kPcbObjectText: return std::make_unique<TPcbText>(handle);
    case kPcbObjectFill: return std::make_unique<TPcbFill>(handle);
    case kPcbObjectFromTo: return std::make_unique<TPcbFromTo>(handle);
    case kPcbObjectNet: return std::make_unique<TPcbNet>(handle);
    case kPcbObjectComponent: return std::make_unique<TPcbComponent>(handle);
    case kPcbObjectPolygon: return std::make_unique<TPcbPolygon>(handle);
    case kPcbObjectRegion: return std::make_unique<TPCBRegion>(handle);
    case kPcbObjectComponentBody: return std::make_unique<TPcbComponentBody>(handle);
    case kPcbObjectDimension: return std::make_unique<TPcbDimension>(handle);
    case kPcbObjectCoordinate: return std::make_unique<TPcbCoordinate>(handle);
    case kPcbObjectClass: return std::make_unique<TPCBObjectClass>(handle);
    case kPcbObjectRule: return std::make_unique<TPcbRule>(handle);
    case kPcbObjectManualFromTo: return std::make_unique<TPcbManualFromTo>(handle);
    case kPcbObjectDifferentialPair: return std::make_unique<TPcbDifferentialPair>(handle);
    case kPcbObjectViolation: return std::make_unique<TPcbViolation>(handle);
    case kPcbObjectEmbedded: return std::make_unique<TPcbEmbedded>(handle);
    case kPcbObjectEmbeddedBoard: return std::make_unique<TPcbEmbeddedBoard>(handle);
    case kPcbObjectSplitPlane: return std::make_unique<TPcbSplitPlane>(handle);
    case kPcbObjectBoardOutline: return std::make_unique<TPcbBoardOutline>(handle);
    default: return nullptr;
  }
}

std::unique_ptr<TPCBObject> CreatePcbObjectFromHandle(PcbHandle handle) {
  std::unique_ptr<TPCBObject> object = CreatePcbObjectOfKind(PcbObjectKindOf(handle), handle);
  if (object) object->Update(kPcbMessageRead);
  return object;
}

std::string PcbObjectNameText(PcbHandle handle) {
  const std::unique_ptr<TPCBObject> object = CreatePcbObjectFromHandle(handle);
  return object ? object->GetText() : std::string();
}
