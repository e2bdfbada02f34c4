// Record exchanges of components (which move their members), nets, from-tos, classes,
// embedded objects and the kinds kept whole.
#include "server/CarriedObjects.h"
#include "server/ClassObject.h"
#include "server/ComponentObject.h"
#include "server/EmbeddedObject.h"
#include "server/RecordExchange.h"
#include "server/ServerApi.h"

namespace standin::api {
namespace {

// A value the component keeps on its own (channel offset, component kind).
template <class Value, class Get, class Set>
int32_t ExchangeComponentValue(uint8_t message, PcbHandle handle, Value* value, Get&& get,
                               Set&& set) {
  TPcbModel* model = ServerModel();
  TComponentObject* component = model && value ? model->FindAs<TComponentObject>(handle) : nullptr;
  if (!component) return kPcbFail;
  if (message == kPcbMessageRead) {
    *value = get(*component);
    return kPcbOk;
  }
  if (!IsWriteMessage(message)) return kPcbFail;
  model->Change(*component, [&] { set(*component, *value); });
  return kPcbOk;
}

TClassObject* FindClass(PcbHandle handle) {
  TPcbModel* model = ServerModel();
  return model ? model->FindAs<TClassObject>(handle) : nullptr;
}

// Bounds the members one class can have.
constexpr std::size_t kMaxClassMembers = 1 << 20;

}  // namespace

int32_t QueryComponentChannelOffset(uint8_t message, PcbHandle component, int32_t* channelOffset) {
  return ExchangeComponentValue(
      message, component, channelOffset,
      [](const TComponentObject& c) { return c.ChannelOffset(); },
      [](TComponentObject& c, int32_t value) { c.SetChannelOffset(value); });
}

int32_t QueryComponentKind(uint8_t message, PcbHandle component, uint8_t* componentKind) {
  return ExchangeComponentValue(
      message, component, componentKind,
      [](const TComponentObject& c) { return c.ComponentKind(); },
      [](TComponentObject& c, uint8_t value) { c.SetComponentKind(value); });
}

// A new location, rotation or side moves the component's members with it.
int32_t QueryComponent(uint8_t message, PcbHandle handle, PcbComponentRecord* r) {
  TPcbModel* model = ServerModel();
  const TComponentObject* component = model ? model->FindAs<TComponentObject>(handle) : nullptr;
  const TPlacement before = component ? component->Placement() : TPlacement{};
  const int32_t status = ExchangeObjectRecord<TComponentObject>(message, handle, r);
  if (status == kPcbOk && IsWriteMessage(message)) model->MoveMembers(*component, before);
  return status;
}

int32_t QueryComponentEx(uint8_t message, PcbHandle component, PcbComponentExRecord* r) {
  return ExchangeObjectRecord<TComponentObject>(message, component, r);
}

int32_t QueryComponentSourceLinks(uint8_t message, PcbHandle component,
                                  PcbComponentSourceLinksRecord* r) {
  return ExchangeObjectRecord<TComponentObject>(message, component, r);
}

int32_t QueryDefaultPCB3DModel(uint8_t message, PcbHandle component, PcbShortString* model) {
  return ExchangeObjectRecord<TComponentObject>(message, component, model);
}

int32_t QueryNet(uint8_t message, PcbHandle net, PcbNetRecord* r) {
  return ExchangeObjectRecord<TNetObject>(message, net, r);
}

int32_t QueryFromTo(uint8_t message, PcbHandle fromTo, PcbFromToRecord* r) {
  return ExchangeObjectRecord<TFromToObject>(message, fromTo, r);
}

int32_t QueryManualFromTo(uint8_t message, PcbHandle fromTo, PcbManualFromToRecord* r) {
  return ExchangeObjectRecord<TManualFromToObject>(message, fromTo, r);
}

int32_t QueryEmbedded(uint8_t message, PcbHandle embedded, PcbEmbeddedRecord* r) {
  return ExchangeObjectRecord<TEmbeddedObject>(message, embedded, r);
}

int32_t QueryEmbeddedBoard(uint8_t message, PcbHandle embeddedBoard, PcbEmbeddedBoardRecord* r) {
  return ExchangeObjectRecord<TEmbeddedBoardObject>(message, embeddedBoard, r);
}

int32_t QueryCoordinate(uint8_t message, PcbHandle coordinate, PcbCoordinateRecord* r) {
  return ExchangeObjectRecord<TCoordinateObject>(message, coordinate, r);
}

int32_t QueryDimension(uint8_t message, PcbHandle dimension, PcbDimensionRecord* r) {
  return ExchangeObjectRecord<TDimensionObject>(message, dimension, r);
}

int32_t QueryExtDimension(uint8_t message, PcbHandle dimension, PcbExtDimensionRecord* r) {
  return ExchangeObjectRecord<TDimensionObject>(message, dimension, r);
}

int32_t References_Count(PcbHandle dimension) {
  TPcbModel* model = ServerModel();
  const TDimensionObject* found = model ? model->FindAs<TDimensionObject>(dimension) : nullptr;
  return found ? found->ReferenceCount() : 0;
}

int32_t References_At(uint8_t message, PcbHandle dimension, int32_t index,
                      PcbDimensionReferenceRecord* r) {
  TPcbModel* model = ServerModel();
  TDimensionObject* found = model && r ? model->FindAs<TDimensionObject>(dimension) : nullptr;
  if (!found) return kPcbFail;
  if (message == kPcbMessageRead) return found->ReadReference(index, *r) ? kPcbOk : kPcbFail;
  if (!IsWriteMessage(message)) return kPcbFail;
  bool written = false;
  model->Change(*found, [&] { written = found->WriteReference(index, *r); });
  return written ? kPcbOk : kPcbFail;
}

int32_t QueryViolation(uint8_t message, PcbHandle violation, PcbViolationRecord* r) {
  return ExchangeObjectRecord<TViolationObject>(message, violation, r);
}

PcbHandle CreateClassObject(uint8_t memberKind) {
  TPcbModel* model = ServerModel();
  return model ? model->CreateClass(memberKind) : 0;
}

int32_t QueryClass(uint8_t message, PcbHandle objectClass, PcbClassRecord* r) {
  return ExchangeObjectRecord<TClassObject>(message, objectClass, r);
}

int32_t GetMemberFromClassAt(PcbHandle objectClass, int32_t index, PcbShortString* name) {
  const TClassObject* found = FindClass(objectClass);
  if (!found || !name || index < 0 || static_cast<std::size_t>(index) >= found->Members().size())
    return kPcbFail;
  const std::string& member = found->Members()[static_cast<std::size_t>(index)];
  *name = {};
  name->length = static_cast<uint8_t>(member.size());
  member.copy(name->text, member.size());
  return kPcbOk;
}

int32_t AddMemberToClass(PcbHandle objectClass, const PcbShortString* name) {
  TClassObject* found = FindClass(objectClass);
  if (!found || !name || found->Members().size() >= kMaxClassMembers) return kPcbFail;
  ServerModel()->Change(*found, [&] { found->AddMember(std::string(name->text, name->length)); });
  return kPcbOk;
}

int32_t RemoveAllMembersFromClass(PcbHandle objectClass) {
  TClassObject* found = FindClass(objectClass);
  if (!found) return kPcbFail;
  ServerModel()->Change(*found, [&] { found->ClearMembers(); });
  return kPcbOk;
}

}  // namespace standin::api
