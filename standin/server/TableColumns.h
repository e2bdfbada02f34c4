// The columns of one table of a board document, found by visiting every object of the table:
// each field path ("x1", "top.shape") gets a column in the order the objects name their
// fields, and is kept only when some object has it off its zero value. A column whose value is
// the same in every row (of two or more) is given once, in the table's "same" member, instead of in each row.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace standin {

class TTableColumns {
public:
  enum class TUse { LeftOut, Same, Cells };
  struct TColumn {
    std::string Path;
    // The name as the fields named it last, and the length of its group prefix: a field
    // named by the same text at the same place is this column without comparing texts.
    const char* NameSeen = nullptr;
    std::size_t PrefixLength = 0;
    std::size_t Ordinal = 0;
    // Rows with a value off zero, counted while all have been the same (then no count is needed).
    std::size_t NonZero = 0;
    bool AllSame = true;  // every value off zero has the text of the first
    std::string First;
    TUse Use = TUse::LeftOut;
    // The cell of a row at zero: 0, false or null, after the kind of the values.
    std::string_view Zero = "null";
  };

  // A row begins: its first field is looked for first.
  void StartRow() { FNext = 0; }
  // The column of the field path prefix + name, added when it is new. ordinal: the field's
  // place among all the fields its object names, zero or not; columns go in the order of the
  // places they were first seen at (the order the objects name their fields). Columns keep
  // their numbers; Order() gives their document order once Decide has been called.
  std::size_t Locate(std::string_view prefix, const char* name, std::size_t ordinal) {
    // Objects of a kind name their fields in the same order and by the same texts: the next
    // column is nearly always the one after the last, named as before.
    const std::size_t position = FNext < FOrder.size() ? FNext : 0;
    if (position < FOrder.size()) {
      const TColumn& next = FColumns[FOrder[position]];
      if (next.NameSeen == name && next.PrefixLength == prefix.size() &&
          std::string_view(next.Path).starts_with(prefix)) {
        FNext = position + 1;
        return FOrder[position];
      }
    }
    return LocateAnew(prefix, name, ordinal);
  }
  // The value of a column in one row that has it off zero.
  void Survey(std::size_t column, std::string_view text);
  // Adds the survey of the rows that follow those surveyed here, made apart on columns of
  // their own (on another thread). False, with nothing changed, when those rows have a column
  // this survey lacks: where it goes depends on the rows before it, so survey them here instead.
  bool Merge(const TTableColumns& later);
  // Decides each column's use once every row has been surveyed.
  void Decide(std::size_t rows);

  const TColumn& Column(std::size_t column) const { return FColumns[column]; }
  // The column of a path, or Size() when there is none.
  std::size_t Find(std::string_view path) const;
  std::size_t Size() const { return FColumns.size(); }
  // The column numbers in document order.
  const std::vector<std::size_t>& Order() const { return FOrder; }

private:
  // Locate when the column is not the next one, or named by another text than before.
  std::size_t LocateAnew(std::string_view prefix, const char* name, std::size_t ordinal);

  std::vector<TColumn> FColumns;
  std::vector<std::size_t> FOrder;
  std::size_t FNext = 0;  // the position in FOrder after the column found last
};

}  // namespace standin
