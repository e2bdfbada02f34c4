#include "server/TableRow.h"

namespace standin {

void TTableRow::Value(std::string_view prefix, const char* name, std::size_t start,
                      std::size_t ordinal) {
  Finish(start);
  FCells.push_back({FColumns.Locate(prefix, name, ordinal), start, 0});
}

void TTableRow::Finish(std::size_t end) {
  if (!FCells.empty() && FCells.back().Length == 0) FCells.back().Length = end - FCells.back().Start;
}

}  // namespace standin
