// One object as an entry of a board document's "objects" list:
//   { "handle", "kind", "kindName", "container" (these always), ["designator",] the common fields
//     ("layer", "net", "routed", "keepout", "testPointTop", "testPointBottom", "flags",
//     "aux16", "aux32", "bitField2", "bitField3"), then the kind's own fields }
// Handles are the document's numbering; loading gives the objects new handles later. Other
// fields at their zero value are left out and read back as zero.
#pragma once

#include <memory>
#include <string>

#include "server/BoardObject.h"
#include "server/DocumentFields.h"

namespace standin {

class TBoard;
class TPcbModel;

// Writes the entry of an object on the board. A net that is not on the board is written as none.
void WriteObjectEntry(TJsonWriter& json, const TPcbModel& model, const TBoard& board,
                      const TBoardObject& object);

// An object read from an entry, with its handle and container in the document's numbering.
struct TLoadedObject {
  PcbHandle Handle = 0;
  PcbHandle Container = 0;
  std::size_t Index = 0;  // in the document's list
  std::unique_ptr<TBoardObject> Object;

  // "objects[3] (track)", for error texts.
  std::string Where() const;
};

// Raises EBoardDocument for an entry that is not a complete object of a known kind.
TLoadedObject ReadObjectEntry(TJsonValue entry, std::size_t index);

}  // namespace standin
