// What the translation verbs print after their command: the board's counts, the report's
// error and warning counts, and the files written.
#pragma once

#include <string>
#include <vector>

namespace pcbhost {

// Paths made absolute and clean.
std::string AbsolutePathOf(const std::string& path);
// The path with its extension replaced (given without dot).
std::string WithExtension(const std::string& path, const std::string& extension);

class TTranslationSummary {
public:
  // Prints "board: counts" of a saved board document (or that it cannot be read).
  void AddBoard(const std::string& document);
  // Prints the error and warning counts of the report beside the file, when there is one.
  void AddReportOf(const std::string& file);
  void AddWritten(const std::string& file);
  void Print() const;

private:
  std::vector<std::string> FLines;
};

}  // namespace pcbhost
