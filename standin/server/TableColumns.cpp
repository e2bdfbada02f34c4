#include "server/TableColumns.h"

namespace standin {
namespace {

bool IsPath(std::string_view path, std::string_view prefix, std::string_view name) {
  return path.size() == prefix.size() + name.size() && path.starts_with(prefix) &&
         path.ends_with(name);
}

}  // namespace

std::size_t TTableColumns::Locate(std::string_view prefix, std::string_view name) {
  // Objects of a kind name their fields in the same order: the next column is nearly always
  // the one after the last.
  const std::size_t count = FOrder.size();
  for (std::size_t step = 0; step < count; ++step) {
    const std::size_t position = (FNext + step) % count;
    if (!IsPath(FColumns[FOrder[position]].Path, prefix, name)) continue;
    FNext = position + 1;
    return FOrder[position];
  }
  TColumn column;
  column.Path.reserve(prefix.size() + name.size());
  column.Path.append(prefix).append(name);
  FColumns.push_back(std::move(column));
  const std::size_t position = FNext <= count ? FNext : count;
  FOrder.insert(FOrder.begin() + static_cast<std::ptrdiff_t>(position), FColumns.size() - 1);
  FNext = position + 1;
  return FColumns.size() - 1;
}

void TTableColumns::Survey(std::size_t column, std::string_view text, bool zero) {
  TColumn& found = FColumns[column];
  if (zero) return;
  if (found.NonZero++ == 0)
    found.First = text;
  else if (found.AllSame && text != found.First)
    found.AllSame = false;
}

void TTableColumns::Decide(std::size_t rows) {
  for (TColumn& column : FColumns) {
    if (column.NonZero == 0)
      column.Use = TUse::LeftOut;
    else if (rows > 1 && column.NonZero == rows && column.AllSame)
      column.Use = TUse::Same;
    else
      column.Use = TUse::Cells;
  }
}

}  // namespace standin
