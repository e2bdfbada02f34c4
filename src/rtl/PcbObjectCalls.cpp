#include "rtl/PcbObjectCalls.h"

#include "rtl/HostCall.h"

PcbHandle CreatePcbObject(uint8_t objectKind) {
  PCB_ENTRY_POINT(create, PcbApi_CreateObject);
  return CallHost(create, objectKind);
}

PcbHandle CreatePcbRuleObject(uint8_t ruleKind) {
  PCB_ENTRY_POINT(create, PcbApi_CreateRuleObject);
  return CallHost(create, ruleKind);
}

PcbHandle CreatePcbClassObject(uint8_t memberKind) {
  PCB_ENTRY_POINT(create, PcbApi_CreateClassObject);
  return CallHost(create, memberKind);
}

int32_t DestroyPcbObject(PcbHandle object) {
  PCB_ENTRY_POINT(destroy, PcbApi_DestroyObject);
  return CallHost(destroy, object);
}

int32_t AddPcbObjectToContainer(PcbHandle container, PcbHandle object) {
  PCB_ENTRY_POINT(add, PcbApi_AddObjectToContainer);
  return CallHost(add, container, object);
}

int32_t DeletePcbObjectFromContainer(PcbHandle container, PcbHandle object) {
  PCB_ENTRY_POINT(remove, PcbApi_DeleteObjectFromContainer);
  return CallHost(remove, container, object);
}

uint8_t PcbObjectKindOf(PcbHandle object) {
  PCB_ENTRY_POINT(kindOf, PcbApi_GetObjectIdFromObjectHandle);
  return object == 0 ? 0 : CallHost(kindOf, object);
}
