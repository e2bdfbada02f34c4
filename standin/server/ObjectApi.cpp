// Entry points over objects as such: iteration, creating, placing, removing and destroying
// objects, their kind, bit fields and bounding rectangle.
#include <algorithm>

#include "server/ComponentObject.h"
#include "server/ObjectKinds.h"
#include "server/RecordExchange.h"
#include "server/ServerApi.h"

namespace standin::api {
namespace {

bool IsIterable(const TPcbModel& model, PcbHandle container) {
  if (model.Boards().Find(container)) return true;
  const TBoardObject* object = model.Find(container);
  return object && (object->Kind() == kPcbObjectComponent || object->Kind() == kPcbObjectNet);
}

template <class Bits, class Select>
int32_t ExchangeBits(uint8_t message, PcbHandle handle, Bits* bits, Select&& select) {
  TPcbModel* model = ServerModel();
  TBoardObject* object = model && bits ? model->Find(handle) : nullptr;
  if (!object) return kPcbFail;
  if (message == kPcbMessageRead) {
    *bits = select(object->Common());
    return kPcbOk;
  }
  if (!IsWriteMessage(message)) return kPcbFail;
  model->Change(*object, [&] { select(object->Common()) = *bits; });
  return kPcbOk;
}

void Include(TBounds& total, const TBounds& more) {
  total.Left = std::min(total.Left, more.Left);
  total.Bottom = std::min(total.Bottom, more.Bottom);
  total.Right = std::max(total.Right, more.Right);
  total.Top = std::max(total.Top, more.Top);
}

// A component covers its members; one without members is the point of its location.
std::optional<TBounds> BoundsOf(const TPcbModel& model, const TBoardObject& object) {
  if (object.Kind() != kPcbObjectComponent) return object.Bounds();
  const auto& component = static_cast<const TComponentObject&>(object);
  std::optional<TBounds> total;
  for (const PcbHandle handle : component.Members()) {
    const TBoardObject* member = model.Find(handle);
    const std::optional<TBounds> bounds = member ? member->Bounds() : std::nullopt;
    if (!bounds) continue;
    if (total)
      Include(*total, *bounds);
    else
      total = bounds;
  }
  if (total) return total;
  const PcbComponentRecord& record = component.Record();
  return TBounds{record.x, record.y, record.x, record.y};
}

}  // namespace

PcbHandle CreateIterator(PcbHandle container, uint8_t objectKind, uint8_t method,
                         PcbLayerId layer) {
  TPcbModel* model = ServerModel();
  const std::optional<PcbLayerNumber> number = LayerNumberOfId(layer);
  if (!model || method != kPcbIterateDefault || !IsObjectKind(objectKind) || !number ||
      !IsIterable(*model, container))
    return 0;
  return model->Iterators().Create({container, objectKind, *number, 0});
}

PcbHandle GetFirstObject(PcbHandle iterator) {
  TPcbModel* model = ServerModel();
  TObjectIterator* found = model ? model->Iterators().Find(iterator) : nullptr;
  if (!found) return 0;
  found->Last = 0;
  return model->Next(*found);
}

PcbHandle GetNextObject(PcbHandle iterator) {
  TPcbModel* model = ServerModel();
  TObjectIterator* found = model ? model->Iterators().Find(iterator) : nullptr;
  return found ? model->Next(*found) : 0;
}

int32_t DestroyIterator(PcbHandle iterator) {
  TPcbModel* model = ServerModel();
  return model && model->Iterators().Destroy(iterator) ? kPcbOk : kPcbFail;
}

PcbHandle CreateObject(uint8_t objectKind) {
  TPcbModel* model = ServerModel();
  return model ? model->CreateObject(objectKind) : 0;
}

int32_t DestroyObject(PcbHandle object) {
  TPcbModel* model = ServerModel();
  return model ? model->Destroy(object) : kPcbFail;
}

int32_t AddObjectToContainer(PcbHandle container, PcbHandle object) {
  TPcbModel* model = ServerModel();
  return model ? model->Add(container, object) : kPcbFail;
}

int32_t DeleteObjectFromContainer(PcbHandle container, PcbHandle object) {
  TPcbModel* model = ServerModel();
  return model ? model->Remove(container, object) : kPcbFail;
}

uint8_t GetObjectIdFromObjectHandle(PcbHandle object) {
  TPcbModel* model = ServerModel();
  const TBoardObject* found = model ? model->Find(object) : nullptr;
  return found ? found->Kind() : 0;
}

int32_t GetObjectBitField2(uint8_t message, PcbHandle object, uint8_t* bits) {
  return ExchangeBits(message, object, bits,
                      [](TCommonFields& common) -> uint8_t& { return common.BitField2; });
}

int32_t GetObjectBitField3(uint8_t message, PcbHandle object, uint16_t* bits) {
  return ExchangeBits(message, object, bits,
                      [](TCommonFields& common) -> uint16_t& { return common.BitField3; });
}

int32_t QueryObjectBoundingRectangle(PcbHandle object, PcbRectangleRecord* r) {
  TPcbModel* model = ServerModel();
  const TBoardObject* found = model && r ? model->Find(object) : nullptr;
  if (!found) return kPcbFail;
  const std::optional<TBounds> bounds = BoundsOf(*model, *found);
  *r = bounds ? PcbRectangleRecord{bounds->Left, bounds->Bottom, bounds->Right, bounds->Top}
              : PcbRectangleRecord{};
  return bounds ? kPcbOk : kPcbFail;
}

// Every object of the server comes through its entry points or a document: none is drawn by
// a user.
uint8_t QueryObjectImport_FromUser(PcbHandle) { return 0; }

int32_t QueryObjectGraphicallyInvalidate(PcbHandle object) {
  TPcbModel* model = ServerModel();
  return model && model->Find(object) ? kPcbOk : kPcbFail;
}

}  // namespace standin::api
