// The reports one import call opened, sorted out for its summary. The import writes its report
// beside the design; the routes and session exports of the same call write theirs beside their
// files, and a report of the same name replaces the import's file. The counts the host read
// when the import's report was opened are then the only record of the import's own.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "client/ReportLog.h"

namespace pcbhost {

// A report an export of the call writes: its path and what to call the export in a note.
struct TExportReport {
  std::string Path;
  std::string Export;
};

struct TImportReports {
  // The import's own report as it was when opened; none when it wrote none.
  std::optional<standin::TOpenedReport> Import;
  // The export whose report replaced the import's file last; empty when none did.
  std::string ReplacedBy;
  // Reports of other files, each in its last state.
  std::vector<standin::TOpenedReport> Others;
};

// exports: in the order the call runs them.
TImportReports SortImportReports(const std::vector<standin::TOpenedReport>& opened,
                                 const std::string& importReport,
                                 const std::vector<TExportReport>& exports);

}  // namespace pcbhost
