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

std::size_t TTableColumns::Locate(std::string_view prefix, const char* nameText,
                                  std::size_t ordinal) {
  // Objects of a kind name their fields in the same order and by the same texts: the next
  // column is nearly always the one after the last, named as before.
  const std::size_t count = FOrder.size();
  if (count > 0) {
    const std::size_t position = FNext % count;
    const TColumn& next = FColumns[FOrder[position]];
    if (next.NameSeen == nameText && next.PrefixLength == prefix.size() &&
        std::string_view(next.Path).starts_with(prefix)) {
      FNext = position + 1;
      return FOrder[position];
    }
  }
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
