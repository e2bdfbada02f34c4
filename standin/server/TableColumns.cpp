#include "server/TableColumns.h"

#include <algorithm>

namespace standin {
namespace {

bool IsPath(std::string_view path, std::string_view prefix, std::string_view name) {
  return path.size() == prefix.size() + name.size() && path.starts_with(prefix) &&
         path.ends_with(name);
}

// A number's zero is 0, a flag's false; any other value (text, list, object) is left out as
// null.
std::string_view ZeroLike(std::string_view value) {
  if (value == "true") return "false";
  if (!value.empty() && (value[0] == '-' || (value[0] >= '0' && value[0] <= '9'))) return "0";
  return "null";
}

}  // namespace

std::size_t TTableColumns::LocateAnew(std::string_view prefix, const char* nameText,
                                      std::size_t ordinal) {
  const std::size_t count = FOrder.size();
  const std::string_view name(nameText);
  for (std::size_t step = 0; step < count; ++step) {
    const std::size_t position = (FNext + step) % count;
    TColumn& found = FColumns[FOrder[position]];
    if (!IsPath(found.Path, prefix, name)) continue;
    found.NameSeen = nameText;
    FNext = position + 1;
    return FOrder[position];
  }
  TColumn column;
  column.Path.reserve(prefix.size() + name.size());
  column.Path.append(prefix).append(name);
  column.NameSeen = nameText;
  column.PrefixLength = prefix.size();
  column.Ordinal = ordinal;
  FColumns.push_back(std::move(column));
  const std::size_t position = FNext <= count ? FNext : count;
  FOrder.insert(FOrder.begin() + static_cast<std::ptrdiff_t>(position), FColumns.size() - 1);
  FNext = position + 1;
  return FColumns.size() - 1;
}

void TTableColumns::Survey(std::size_t column, std::string_view text) {
  TColumn& found = FColumns[column];
  if (found.NonZero++ == 0)
    found.First = text;
  else if (found.AllSame && text != found.First)
    found.AllSame = false;
}

std::size_t TTableColumns::Find(std::string_view path) const {
  for (std::size_t column = 0; column < FColumns.size(); ++column)
    if (FColumns[column].Path == path) return column;
  return FColumns.size();
}

bool TTableColumns::Merge(const TTableColumns& later) {
  std::vector<std::size_t> mine(later.Size());
  for (std::size_t column = 0; column < later.Size(); ++column)
    if ((mine[column] = Find(later.FColumns[column].Path)) == Size()) return false;
  for (std::size_t column = 0; column < later.Size(); ++column) {
    const TColumn& theirs = later.FColumns[column];
    TColumn& found = FColumns[mine[column]];
    if (theirs.NonZero == 0) continue;
    if (found.NonZero == 0) {
      found.First = theirs.First;
      found.AllSame = theirs.AllSame;
    } else {
      found.AllSame = found.AllSame && theirs.AllSame && theirs.First == found.First;
    }
    found.NonZero += theirs.NonZero;
  }
  return true;
}

void TTableColumns::Decide(std::size_t rows) {
  std::stable_sort(FOrder.begin(), FOrder.end(), [&](std::size_t a, std::size_t b) {
    return FColumns[a].Ordinal < FColumns[b].Ordinal;
  });
  for (TColumn& column : FColumns) {
    column.Zero = ZeroLike(column.First);
    if (column.NonZero == 0)
      column.Use = TUse::LeftOut;
    else if (rows > 1 && column.NonZero == rows && column.AllSame)
      column.Use = TUse::Same;
    else
      column.Use = TUse::Cells;
  }
}

}  // namespace standin
