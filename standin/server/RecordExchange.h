// The common form of the server's record exchanges: message 1 copies the object's values into
// the caller's record, 0 and 2 take the record's values; status 0 or 1. A nil, unknown or
// destroyed handle, a handle of another kind, a missing record or a value the object cannot
// take answers 1 and changes nothing.
#pragma once

#include <type_traits>

#include "server/ConnectivityObjects.h"
#include "server/LayerNumbers.h"
#include "server/PcbModel.h"

namespace standin {

// The model of the running PCB server; null when none runs. Every entry point reads it, so it
// is a plain pointer read inline.
extern TPcbModel* gRunningModel;
inline TPcbModel* ServerModel() { return gRunningModel; }

constexpr bool IsWriteMessage(uint8_t message) {
  return message == kPcbMessageWrite || message == kPcbMessageSecondWrite;
}

// The common fields a record has, into the record. A layer held as a byte travels as a layer
// number, otherwise as its ID (the same value for 0..82).
template <class Record>
void StoreCommonFields(const TCommonFields& common, Record& r) {
  if constexpr (requires { r.flags; }) r.flags = common.Flags;
  if constexpr (requires { r.aux16; }) r.aux16 = common.Aux16;
  if constexpr (requires { r.layer; }) r.layer = common.Layer;
  if constexpr (requires { r.net; }) r.net = common.Net;
  if constexpr (requires { r.routedState; }) r.routedState = common.RoutedState;
  if constexpr (requires { r.aux32; }) r.aux32 = common.Aux32;
}

// The common fields of a record that the object can take: a known layer and a net that is
// nil or a net object. The routed state is a flag (0 or 1).
template <class Record>
bool LoadCommonFields(const TPcbModel& model, const Record& r, TCommonFields& common) {
  if constexpr (requires { r.layer; }) {
    const std::optional<PcbLayerNumber> layer = LayerNumberOfId(r.layer);
    if (!layer) return false;
    common.Layer = *layer;
  }
  if constexpr (requires { r.net; }) {
    if (r.net != 0 && model.KindOf(r.net) != TNetObject::kKind) return false;
    common.Net = r.net;
  }
  if constexpr (requires { r.flags; }) common.Flags = r.flags;
  if constexpr (requires { r.aux16; }) common.Aux16 = r.aux16;
  if constexpr (requires { r.routedState; }) common.RoutedState = r.routedState != 0 ? 1 : 0;
  if constexpr (requires { r.aux32; }) common.Aux32 = r.aux32;
  return true;
}

// Reads or writes one record of an object of the class; the class gives and takes its own
// fields (Give, Take, and Accepts when it refuses some values).
template <class Object, class Record>
int32_t ExchangeObjectRecord(uint8_t message, PcbHandle handle, Record* record) {
  TPcbModel* model = ServerModel();
  Object* object = model && record ? model->FindAs<Object>(handle) : nullptr;
  if (!object) return kPcbFail;
  if (message == kPcbMessageRead) {
    if constexpr (requires { object->Give(*record); }) object->Give(*record);
    StoreCommonFields(object->Common(), *record);
    return kPcbOk;
  }
  if (!IsWriteMessage(message)) return kPcbFail;
  TCommonFields common = object->Common();
  if (!LoadCommonFields(*model, *record, common)) return kPcbFail;
  if constexpr (requires { object->Accepts(*record); })
    if (!object->Accepts(*record)) return kPcbFail;
  model->Change(*object, [&] {
    object->Common() = common;
    if constexpr (requires { object->Take(*record); }) object->Take(*record);
  });
  return kPcbOk;
}

}  // namespace standin
