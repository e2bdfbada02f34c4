// What the verbs print after their command, on standard output only: the board's counts, the
// report's error and warning counts, notes, and one line per file written.
//   board: 5 components, 13 pads, 3 nets, 3 tracks, 2 vias, 9 rules
//   report: /path/demo.rpt (1 error, 19 warnings)
//   written: /path/demo.pcbdoc
#pragma once

#include <string>
#include <vector>

#include "app/board_view/BoardView.h"
#include "client/ClientControl.h"
#include "client/ReportLog.h"

namespace pcbhost {

// Paths made absolute and clean.
std::string AbsolutePathOf(const std::string& path);
// The path with its extension replaced (given without dot).
std::string WithExtension(const std::string& path, const std::string& extension);

class TTranslationSummary {
public:
  // The counts of the board of an open document, as the host holds it (or why there are none).
  void AddBoard(standin::IClientControl& control, const std::string& document);
  // The counts of a board document read from its file.
  void AddBoard(const TBoardView& view);
  // The report's counts as they were when the host opened it.
  void AddReport(const standin::TOpenedReport& report);
  void AddNote(std::string line);
  // A file written; each file is named once.
  void AddWritten(const std::string& file);
  void Print() const;

private:
  std::vector<std::string> FLines;
  std::vector<std::string> FWritten;
};

}  // namespace pcbhost
