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
    std::size_t NonZero = 0;  // rows with a value off zero
    bool AllSame = true;      // every value off zero has the text of the first
    std::string First;
    TUse Use = TUse::LeftOut;
  };

  // The column of the field path prefix + name, added when it is new (after the column found
  // last). Columns keep their numbers; Order() gives their document order.
  std::size_t Locate(std::string_view prefix, std::string_view name);
  // The value of a column in one row: its text, or zero when the field is at zero.
  void Survey(std::size_t column, std::string_view text, bool zero);
  // Decides each column's use once every row has been surveyed.
  void Decide(std::size_t rows);

  const TColumn& Column(std::size_t column) const { return FColumns[column]; }
  std::size_t Size() const { return FColumns.size(); }
  // The column numbers in document order.
  const std::vector<std::size_t>& Order() const { return FOrder; }

private:
  std::vector<TColumn> FColumns;
  std::vector<std::size_t> FOrder;
  std::size_t FNext = 0;  // the position in FOrder after the column found last
};

}  // namespace standin
