// Everything the PCB server holds: its boards and every object by handle, whether on a board,
// in a component or in no container yet, and the iterators over them. The model owns the
// objects; boards and components refer to them by handle.
//
// Every change of an object goes through Change, so that the indexes of its board follow its
// layer and net, its board is marked modified and a component's member keeps its place
// relative to the component.
#pragma once

#include <memory>
#include <type_traits>

#include "server/BoardObject.h"
#include "server/BoardRegistry.h"
#include "server/ObjectIterators.h"
#include "server/ObjectTable.h"

namespace standin {

class TComponentObject;
class TPolygonObject;

class TPcbModel {
public:
  TPcbModel();
  ~TPcbModel();
  TPcbModel(const TPcbModel&) = delete;
  TPcbModel& operator=(const TPcbModel&) = delete;

  TBoardRegistry& Boards() { return FBoards; }
  const TBoardRegistry& Boards() const { return FBoards; }
  // Removes the board and destroys every object on it.
  void RemoveBoard(PcbHandle board);

  // A new object of a kind in no container; nil for a number that is no kind. A component
  // comes with its designator text and second text.
  PcbHandle CreateObject(uint8_t kind);
  PcbHandle CreateRule(uint8_t ruleKind);
  PcbHandle CreateClass(uint8_t memberKind);
  // Takes an object made elsewhere (documents) and gives it a new handle.
  PcbHandle Adopt(std::unique_ptr<TBoardObject> object);

  TBoardObject* Find(PcbHandle handle) const { return FObjects.Find(handle); }
  // The kind of the handle's object, without reading the object; 0 when there is none.
  uint8_t KindOf(PcbHandle handle) const { return FObjects.KindOf(handle); }
  // The object when it is of the class (polygons: kinds 10 and 26).
  template <class Object>
  Object* FindAs(PcbHandle handle) const;
  std::size_t ObjectCount() const { return FObjects.Count(); }

  // 0 when done; 1 for nil, unknown or destroyed handles, an object already in a container,
  // and a kind the container cannot hold.
  int32_t Add(PcbHandle container, PcbHandle object);
  int32_t Remove(PcbHandle container, PcbHandle object);
  // Takes the object out of its container first; a component takes its members along.
  int32_t Destroy(PcbHandle object);

  // Applies a change to the object's fields (see above).
  template <class Apply>
  void Change(TBoardObject& object, Apply&& apply);
  // After a component's placement changed from before: its members follow.
  void MoveMembers(const TComponentObject& component, const TPlacement& before);
  // The component the object is in, or null.
  TComponentObject* ComponentOf(const TBoardObject& object) const;

  TObjectIterators& Iterators() { return FIterators; }
  // The next object of the iterator, nil at the end.
  PcbHandle Next(TObjectIterator& iterator) const;

private:
  TBoardObject& Register(std::unique_ptr<TBoardObject> object);
  void SetBoardOf(TBoardObject& object, TBoard* board);
  void ForgetReferencesTo(const TBoardObject& object, TBoard* board);
  void KeepPlace(TBoardObject& object);
  PcbHandle NextInSet(const THandleSet& handles, const TObjectIterator& iterator,
                      bool filter) const;

  TObjectTable FObjects;
  TBoardRegistry FBoards;
  TObjectIterators FIterators;
};

template <class Object>
Object* TPcbModel::FindAs(PcbHandle handle) const {
  TBoardObject* object = Find(handle);
  if (!object) return nullptr;
  if constexpr (std::is_same_v<Object, TBoardObject>) {
    return object;
  } else if constexpr (requires { Object::kKind; }) {
    return object->Kind() == Object::kKind ? static_cast<Object*>(object) : nullptr;
  } else {
    return dynamic_cast<Object*>(object);
  }
}

// The board's index follows only when the change moved the object to another layer or net.
template <class Apply>
void TPcbModel::Change(TBoardObject& object, Apply&& apply) {
  TBoard* board = object.Board();
  const TIndexKey before = IndexKeyOf(object);
  apply();
  if (board) {
    const TIndexKey after = IndexKeyOf(object);
    if (after != before) {
      board->Index().Erase(object.Handle(), before);
      board->Index().Insert(object.Handle(), after);
    }
    board->SetModified(true);
  }
  KeepPlace(object);
}

}  // namespace standin
