#include "server/ObjectFactory.h"

#include "server/CarriedObjects.h"
#include "server/ClassObject.h"
#include "server/ComponentObject.h"
#include "server/ConnectivityObjects.h"
#include "server/EmbeddedObject.h"
#include "server/OutlineObjects.h"
#include "server/PadObject.h"
#include "server/Primitives.h"
#include "server/RuleObject.h"

namespace standin {

std::unique_ptr<TBoardObject> NewBoardObject(uint8_t kind) {
  switch (kind) {
    case kPcbObjectArc: return std::make_unique<TArcObject>();
    case kPcbObjectPad: return std::make_unique<TPadObject>();
    case kPcbObjectVia: return std::make_unique<TViaObject>();
    case kPcbObjectTrack: return std::make_unique<TTrackObject>();
    case kPcbObjectText: return std::make_unique<TTextObject>();
    case kPcbObjectFill: return std::make_unique<TFillObject>();
    case kPcbObjectFromTo: return std::make_unique<TFromToObject>();
    case kPcbObjectNet: return std::make_unique<TNetObject>();
    case kPcbObjectComponent: return std::make_unique<TComponentObject>();
    case kPcbObjectPolygon: return std::make_unique<TPolygonObject>(kind);
    case kPcbObjectRegion: return std::make_unique<TRegionObject>();
    case kPcbObjectComponentBody: return std::make_unique<TPlainObject>(kind);
    case kPcbObjectDimension: return std::make_unique<TDimensionObject>();
    case kPcbObjectCoordinate: return std::make_unique<TCoordinateObject>();
    case kPcbObjectClass: return std::make_unique<TClassObject>();
    case kPcbObjectRule: return std::make_unique<TRuleObject>();
    case kPcbObjectManualFromTo: return std::make_unique<TManualFromToObject>();
    case kPcbObjectDifferentialPair: return std::make_unique<TPlainObject>(kind);
    case kPcbObjectViolation: return std::make_unique<TViolationObject>();
    case kPcbObjectEmbedded: return std::make_unique<TEmbeddedObject>();
    case kPcbObjectEmbeddedBoard: return std::make_unique<TEmbeddedBoardObject>();
    case kPcbObjectSplitPlane: return std::make_unique<TSplitPlaneObject>();
    case kPcbObjectBoardOutline: return std::make_unique<TPolygonObject>(kind);
    default: return nullptr;
  }
}

}  // namespace standin
