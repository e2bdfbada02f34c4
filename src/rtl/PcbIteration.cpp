#include "rtl/PcbIteration.h"

#include "rtl/HostCall.h"

namespace {

constexpr uint8_t kIteratedKinds = 26;  // kinds 0..25

}  // namespace

PcbHandle CreatePcbIterator(PcbHandle container, uint8_t objectKind, uint8_t method,
                            PcbLayerNumber layer) {
  PCB_ENTRY_POINT(create, PcbApi_CreateIterator);
  return CallHost(create, container, objectKind, method, LayerIdOf(layer));
}

PcbHandle FirstPcbObject(PcbHandle iterator) {
  PCB_ENTRY_POINT(first, PcbApi_GetFirstObject);
  return iterator == 0 ? 0 : CallHost(first, iterator);
}

PcbHandle NextPcbObject(PcbHandle iterator) {
  PCB_ENTRY_POINT(next, PcbApi_GetNextObject);
  return iterator == 0 ? 0 : CallHost(next, iterator);
}

int32_t DestroyPcbIterator(PcbHandle iterator) {
  PCB_ENTRY_POINT(destroy, PcbApi_DestroyIterator);
  return iterator == 0 ? kPcbOk : CallHost(destroy, iterator);
}

TPcbIterator::TPcbIterator(PcbHandle container, uint8_t objectKind, PcbLayerNumber layer,
                           uint8_t method)
    : FIterator(CreatePcbIterator(container, objectKind, method, layer)) {}

TPcbIterator::~TPcbIterator() { DestroyPcbIterator(FIterator); }

namespace {

void VisitAll(PcbHandle container, uint8_t objectKind, uint8_t method, PcbLayerNumber layer,
              const TPcbObjectVisitor& visit) {
  TPcbIterator iterator(container, objectKind, layer, method);
  for (PcbHandle object = iterator.First(); object != 0; object = iterator.Next()) visit(object);
}

}  // namespace

void ForEachPcbObject(PcbHandle container, uint8_t objectKind, const TPcbObjectVisitor& visit,
                      PcbLayerNumber layer) {
  VisitAll(container, objectKind, kPcbIterateDefault, layer, visit);
}

void IterateBoard(PcbHandle board, const TPcbObjectVisitor& visit, uint32_t objectKinds,
                  uint8_t method, const TLayerSet& layers) {
  for (uint8_t kind = 0; kind < kIteratedKinds; ++kind) {
    if ((objectKinds >> kind & 1u) == 0) continue;
    for (PcbLayerNumber layer = 0; layer < kLayerCount; ++layer)
      if (layers.test(layer)) VisitAll(board, kind, method, layer, visit);
  }
}
