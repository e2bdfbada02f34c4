// One object as a record of a board document:
//   { "handle", "kind", "kindName", "container", ["designator",] the common fields
//     ("layer", "net", "routed", "keepout", "testPointTop", "testPointBottom", "flags",
//     "aux16", "aux32", "bitField2", "bitField3"), then the kind's own fields }
// Handles are the document's numbering; loading gives the objects new handles later. Fields
// at their zero value are left out and read back as zero. Version 1 documents list the
// records whole; version 2 documents keep them in a table per kind (see RecordTable.h), where
// "handle", "kind" and "kindName" belong to the table and the rest are its columns.
#pragma once

#include <memory>
#include <string>

#include "server/BoardObject.h"
#include "server/DocumentFields.h"
#include "server/ObjectReferences.h"

namespace standin {

// Writes the fields of an object on the board after its handle and kind: its container
// first. A net that is not on the board is written as none.
void WriteObjectFields(TFieldWriter& writer, const TObjectReferences& references,
                       const TBoardObject& object);

// An object read from an entry, with its handle and container in the document's numbering.
struct TLoadedObject {
  PcbHandle Handle = 0;
  PcbHandle Container = 0;
  std::size_t Index = 0;              // in the document's list, or in its table's rows
  std::size_t Table = kNotInATable;   // the table, in a version 2 document
  std::unique_ptr<TBoardObject> Object;

  static constexpr std::size_t kNotInATable = static_cast<std::size_t>(-1);

  // "objects[3] (track)" or "tables[1].rows[3] (track)", for error texts.
  std::string Where() const;
};

// Raises EBoardDocument for an entry that is not a complete object of a known kind. index:
// the entry's place in the record list, or in the rows of the table.
TLoadedObject ReadObjectEntry(TJsonValue entry, std::size_t index,
                              std::size_t table = TLoadedObject::kNotInATable);

}  // namespace standin
