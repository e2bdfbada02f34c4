// Iteration over the objects of a host container (board, net or component): one object kind,
// one layer (0 = all layers), in the host's order.
#pragma once

#include <cstdint>
#include <functional>

#include "host/PcbApi.h"
#include "rtl/LayerNumbering.h"

// The entry points one by one; the layer is a layer number. Nil iterators give nil objects.
PcbHandle CreatePcbIterator(PcbHandle container, uint8_t objectKind, uint8_t method,
                            PcbLayerNumber layer);
PcbHandle FirstPcbObject(PcbHandle iterator);
PcbHandle NextPcbObject(PcbHandle iterator);
int32_t DestroyPcbIterator(PcbHandle iterator);

// A host iterator, destroyed with the object.
class TPcbIterator {
public:
  TPcbIterator(PcbHandle container, uint8_t objectKind, PcbLayerNumber layer = kNoLayer,
               uint8_t method = kPcbIterateDefault);
  ~TPcbIterator();
  TPcbIterator(const TPcbIterator&) = delete;
  TPcbIterator& operator=(const TPcbIterator&) = delete;

  // Nil at the end, and always when the host gave no iterator.
  PcbHandle First() { return FirstPcbObject(FIterator); }
  PcbHandle Next() { return NextPcbObject(FIterator); }

private:
  PcbHandle FIterator;
};

using TPcbObjectVisitor = std::function<void(PcbHandle)>;

// Visits every object of one kind (on one layer, 0 = all) of the container. The visitor may
// remove the object it was given.
void ForEachPcbObject(PcbHandle container, uint8_t objectKind, const TPcbObjectVisitor& visit,
                      PcbLayerNumber layer = kNoLayer);

// For each object kind 0..25 whose bit is set in objectKinds and each layer number in layers,
// one board iteration with that kind, method and layer.
void IterateBoard(PcbHandle board, const TPcbObjectVisitor& visit, uint32_t objectKinds,
                  uint8_t method, const TLayerSet& layers);
