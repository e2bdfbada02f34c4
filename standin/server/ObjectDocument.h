// One object as an entry of a board document's "objects" list:
//   { "handle", "kind", "kindName", "container", ["designator",] the common fields
//     ("layer", "net", "routed", "keepout", "testPointTop", "testPointBottom", "flags",
//     "aux16", "aux32", "bitField2", "bitField3"), then the kind's own fields }
// Handles are the document's numbering; loading gives the objects new handles later.
#pragma once

#include <memory>
#include <string>

#include "server/BoardObject.h"
#include "server/DocumentFields.h"

namespace standin {

class TBoard;
class TPcbModel;

// The entry of an object on the board. A net that is not on the board is written as none.
TJson WriteObjectEntry(const TPcbModel& model, const TBoard& board, const TBoardObject& object);

// An object read from an entry, with its handle and container in the document's numbering.
struct TLoadedObject {
  PcbHandle Handle = 0;
  PcbHandle Container = 0;
  std::string Where;  // "objects[3] (track)"
  std::unique_ptr<TBoardObject> Object;
};

// Raises EBoardDocument for an entry that is not a complete object of a known kind.
TLoadedObject ReadObjectEntry(const TJson& entry, std::size_t index);

}  // namespace standin
