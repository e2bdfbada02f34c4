// Creating, placing and removing host objects. Missing entry points answer 0 or nil.
#pragma once

#include <cstdint>

#include "host/PcbApi.h"

// A new object of a kind, in no container yet; nil on failure.
PcbHandle CreatePcbObject(uint8_t objectKind);
// A new rule of a host rule kind (PcbRuleKind) or class of a member kind (kPcbClassOf...).
PcbHandle CreatePcbRuleObject(uint8_t ruleKind);
PcbHandle CreatePcbClassObject(uint8_t memberKind);
// For an object created but never added to a container.
int32_t DestroyPcbObject(PcbHandle object);
// 0 when added; the object then belongs to the container.
int32_t AddPcbObjectToContainer(PcbHandle container, PcbHandle object);
int32_t DeletePcbObjectFromContainer(PcbHandle container, PcbHandle object);
// The object's kind; 0 for nil (without asking the host) and for unknown handles.
uint8_t PcbObjectKindOf(PcbHandle object);
