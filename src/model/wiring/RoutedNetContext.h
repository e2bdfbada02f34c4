// What every routed net of one routes or session export reads from the board in the same
// way: the stored via tags, the plane layers by net, the plane layers' own split planes, the
// library's via padstacks and the layer names. Read once per export, so that nets cost only
// their own primitives.
#pragma once

#include <optional>
#include <vector>

#include "host/PcbApi.h"
#include "model/library/ViaPadstackFacts.h"
#include "model/library/ViaPlaneContacts.h"
#include "model/wiring/HostLayerNames.h"
#include "model/wiring/LayerPlaneFills.h"
#include "model/wiring/TaggedVias.h"

class TSpecctraObject;

struct TRoutedNetContext {
  // Reads the board of the object's file; errors of the stored tags go to its report.
  explicit TRoutedNetContext(TSpecctraObject& reader);

  TTaggedVias ViaTags;
  TViaPlaneContacts Planes;
  TLayerPlaneFills PlaneFills;
  // Nothing when the file has no library section.
  std::optional<std::vector<TViaPadstackFacts>> Padstacks;
  THostLayerNames LayerNames;
};
