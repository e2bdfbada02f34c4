#include "server/PcbModel.h"

#include <vector>

#include "server/ComponentObject.h"
#include "server/ConnectivityObjects.h"
#include "server/HandleAllocator.h"
#include "server/ObjectFactory.h"
#include "server/ObjectKinds.h"
#include "server/RuleObject.h"
#include "server/ClassObject.h"

namespace standin {

TPcbModel::TPcbModel() = default;
TPcbModel::~TPcbModel() = default;

void TPcbModel::RemoveBoard(PcbHandle handle) {
  TBoard* board = FBoards.Find(handle);
  if (!board) return;
  for (const PcbHandle object : board->Index().All()) FObjects.Destroy(object);
  FBoards.Remove(handle);
}

TBoardObject& TPcbModel::Register(std::unique_ptr<TBoardObject> object) {
  const PcbHandle handle = NewPcbHandle();
  object->SetHandle(handle);
  TBoardObject& registered = *object;
  FObjects.Put(std::move(object));
  return registered;
}

PcbHandle TPcbModel::Adopt(std::unique_ptr<TBoardObject> object) {
  return object ? Register(std::move(object)).Handle() : 0;
}

PcbHandle TPcbModel::CreateObject(uint8_t kind) {
  std::unique_ptr<TBoardObject> created = NewBoardObject(kind);
  if (!created) return 0;
  TBoardObject& object = Register(std::move(created));
  if (kind != kPcbObjectComponent) return object.Handle();
  // A component has its designator and a second text, on the top overlay.
  auto& component = static_cast<TComponentObject&>(object);
  PcbHandle texts[2] = {0, 0};
  for (PcbHandle& text : texts) {
    text = CreateObject(kPcbObjectText);
    Find(text)->Common().Layer = kTopOverlay;
    Add(component.Handle(), text);
  }
  component.SetTexts(texts[0], texts[1]);
  return component.Handle();
}

PcbHandle TPcbModel::CreateRule(uint8_t ruleKind) {
  if (!TRuleObject::IsRuleKind(ruleKind)) return 0;
  return Register(std::make_unique<TRuleObject>(ruleKind)).Handle();
}

PcbHandle TPcbModel::CreateClass(uint8_t memberKind) {
  if (!TClassObject::IsMemberKind(memberKind)) return 0;
  return Register(std::make_unique<TClassObject>(memberKind)).Handle();
}

TComponentObject* TPcbModel::ComponentOf(const TBoardObject& object) const {
  return object.ComponentHandle() != 0 ? FindAs<TComponentObject>(object.ComponentHandle())
                                       : nullptr;
}

// The object and, for a component, its members join the board's index or leave it.
void TPcbModel::SetBoardOf(TBoardObject& object, TBoard* board) {
  TBoard* before = object.Board();
  if (before) before->Index().Erase(object);
  object.SetBoard(board);
  if (board) board->Index().Insert(object);
  if (object.Kind() != kPcbObjectComponent) return;
  for (const PcbHandle handle : static_cast<TComponentObject&>(object).Members())
    if (TBoardObject* member = Find(handle)) SetBoardOf(*member, board);
}

int32_t TPcbModel::Add(PcbHandle container, PcbHandle handle) {
  TBoardObject* object = Find(handle);
  if (!object || object->InContainer() || handle == container) return kPcbFail;
  if (TBoard* board = FBoards.Find(container)) {
    if (object->Kind() == kPcbObjectBoardOutline) {
      if (board->Outline() != 0) return kPcbFail;
      board->SetOutline(handle);
    }
    object->PutInContainer(nullptr, 0);
    SetBoardOf(*object, board);
    board->SetModified(true);
    return kPcbOk;
  }
  TComponentObject* component = FindAs<TComponentObject>(container);
  if (!component || !IsComponentPrimitiveKind(object->Kind())) return kPcbFail;
  object->PutInContainer(nullptr, container);
  component->AddMember(handle);
  object->KeepRelativeTo(component->Placement());
  SetBoardOf(*object, component->Board());
  if (TBoard* board = component->Board()) board->SetModified(true);
  return kPcbOk;
}

int32_t TPcbModel::Remove(PcbHandle container, PcbHandle handle) {
  TBoardObject* object = Find(handle);
  if (!object || !object->InContainer() || container == 0) return kPcbFail;
  TBoard* board = object->Board();
  const PcbHandle componentHandle = object->ComponentHandle();
  if (componentHandle != 0) {
    if (container != componentHandle) return kPcbFail;
    if (TComponentObject* component = FindAs<TComponentObject>(componentHandle))
      component->RemoveMember(handle);
    SetBoardOf(*object, nullptr);
  } else {
    if (!board || container != board->Handle()) return kPcbFail;
    SetBoardOf(*object, nullptr);
    if (board->Outline() == handle) board->SetOutline(0);
    ForgetReferencesTo(*object, board);
  }
  object->TakeOutOfContainer();
  if (board) board->SetModified(true);
  return kPcbOk;
}

// Nets that leave a board leave the primitives on them without a net.
void TPcbModel::ForgetReferencesTo(const TBoardObject& object, TBoard* board) {
  if (object.Kind() != kPcbObjectNet || !board) return;
  for (uint8_t kind = 1; kind <= kPcbObjectBoardOutline; ++kind) {
    const TBoardIndex::THandles* onNet = board->Index().OfNet(object.Handle(), kind);
    if (!onNet) continue;
    const std::vector<PcbHandle> handles(onNet->begin(), onNet->end());
    for (const PcbHandle handle : handles)
      if (TBoardObject* primitive = Find(handle))
        Change(*primitive, [&] { primitive->Common().Net = 0; });
  }
}

int32_t TPcbModel::Destroy(PcbHandle handle) {
  TBoardObject* object = Find(handle);
  if (!object) return kPcbFail;
  if (object->InContainer()) {
    const TBoard* board = object->Board();
    Remove(object->ComponentHandle() != 0 ? object->ComponentHandle() : board ? board->Handle() : 0,
           handle);
  }
  if (object->Kind() == kPcbObjectComponent) {
    const THandleSet members = static_cast<TComponentObject*>(object)->Members();
    for (const PcbHandle member : members) Destroy(member);
  }
  FObjects.Destroy(handle);
  return kPcbOk;
}

void TPcbModel::KeepPlace(TBoardObject& object) {
  if (const TComponentObject* component = ComponentOf(object))
    object.KeepRelativeTo(component->Placement());
}

void TPcbModel::MoveMembers(const TComponentObject& component, const TPlacement& before) {
  const TPlacement after = component.Placement();
  if (after == before) return;
  const bool turnedOver = after.Bottom != before.Bottom;
  TBoard* board = component.Board();
  for (const PcbHandle handle : component.Members()) {
    TBoardObject* member = Find(handle);
    if (!member) continue;
    if (board) board->Index().Erase(*member);
    if (turnedOver) member->TurnOver();
    member->PlaceRelativeTo(after);
    if (board) board->Index().Insert(*member);
  }
  if (board) board->SetModified(true);
}

PcbHandle TPcbModel::NextInSet(const THandleSet& handles, const TObjectIterator& iterator,
                               bool filter) const {
  for (PcbHandle next = handles.After(iterator.Last); next != 0; next = handles.After(next)) {
    if (!filter) return next;
    const TBoardObject* object = Find(next);
    if (object && object->Kind() == iterator.Kind &&
        (iterator.Layer == kNoLayer || object->Common().Layer == iterator.Layer))
      return next;
  }
  return 0;
}

PcbHandle TPcbModel::Next(TObjectIterator& iterator) const {
  PcbHandle next = 0;
  if (const TBoard* board = FBoards.Find(iterator.Container)) {
    const TBoardIndex::THandles* handles =
        iterator.Layer == kNoLayer ? board->Index().OfKind(iterator.Kind)
                                   : board->Index().OfKindOnLayer(iterator.Kind, iterator.Layer);
    next = handles ? NextInSet(*handles, iterator, false) : 0;
  } else if (const auto* component = FindAs<TComponentObject>(iterator.Container)) {
    next = NextInSet(component->Members(), iterator, true);
  } else if (const auto* net = FindAs<TNetObject>(iterator.Container); net && net->Board()) {
    const TBoardIndex::THandles* handles =
        net->Board()->Index().OfNet(net->Handle(), iterator.Kind);
    next = handles ? NextInSet(*handles, iterator, iterator.Layer != kNoLayer) : 0;
  }
  if (next != 0) iterator.Last = next;
  return next;
}

}  // namespace standin
