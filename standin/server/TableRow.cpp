#include "server/TableRow.h"

namespace standin {

void TTableRow::Clear() {
  FCells.clear();
  FOpen = false;
}

void TTableRow::EndOpenCell(std::size_t end) {
  if (FOpen) FCells.back().Length = end - FCells.back().Start;
  FOpen = false;
}

void TTableRow::Value(std::string_view prefix, const char* name, std::size_t start) {
  EndOpenCell(start);
  FCells.push_back({FColumns.Locate(prefix, name), start, 0, {}});
  FOpen = true;
}

void TTableRow::Zero(std::string_view prefix, const char* name, std::string_view zero,
                     std::size_t end) {
  EndOpenCell(end);
  FCells.push_back({FColumns.Locate(prefix, name), end, 0, zero});
}

void TTableRow::Finish(std::size_t end) { EndOpenCell(end); }

}  // namespace standin
