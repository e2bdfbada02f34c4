// Whether a file is a design the import takes: the extension and the first two tokens, read
// from the start of the file however far a comment or padding pushes them.
#include <gtest/gtest.h>

#include <string>

#include "plugin/SpecctraInterface.h"
#include "support/TempFolder.h"

namespace {

std::string CommentLines(std::size_t bytes) {
  std::string text;
  while (text.size() < bytes) text += "# a comment line before the design starts\n";
  return text;
}

TEST(ImportableDesign, TheFirstTwoTokensDecideWhereverTheyStart) {
  // The start read first is 64 KiB: these tokens lie before, across and beyond its end.
  const std::size_t start = 1 << 16;
  struct TCase {
    const char* What;
    std::string Name;
    std::string Text;
    bool Expected;
  };
  const TCase cases[] = {
      {"a design", "a.dsn", "(pcb board (resolution mil 10))", true},
      {"any letter case", "b.DSN", "(PCB board)", true},
      {"a routes file", "c.rte", "(pcb board)", true},
      {"another block first", "d.dsn", "(session board)", false},
      {"no parenthesis", "e.dsn", "pcb board", false},
      {"another extension", "f.txt", "(pcb board)", false},
      {"an empty file", "g.dsn", "", false},
      {"a long comment first", "h.dsn", CommentLines(3 * start) + "(pcb board)", true},
      {"a long comment, then another block", "i.dsn", CommentLines(3 * start) + "(net x)", false},
      {"the keyword ends where the start does", "j.dsn", std::string(start - 4, ' ') + "(pcb x)",
       true},
      {"a longer word cut where the start ends", "k.dsn",
       std::string(start - 4, ' ') + "(pcbx board)", false},
  };
  TTempFolder folder;
  for (const TCase& c : cases)
    EXPECT_EQ(IsImportableDesign(folder.Write(c.Name, c.Text)), c.Expected) << c.What;
  EXPECT_FALSE(IsImportableDesign(folder.Path("missing.dsn")));
}

}  // namespace
