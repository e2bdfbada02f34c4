#include "app/ImportReports.h"

#include <algorithm>

#include "common/PathIdentity.h"

namespace pcbhost {
namespace {

// The last export of the call that writes its report to the path.
std::string LastExportWriting(const std::vector<TExportReport>& exports, const std::string& path) {
  for (auto it = exports.rbegin(); it != exports.rend(); ++it)
    if (SamePath(it->Path, path)) return it->Export;
  return "a later command";
}

void KeepLastState(std::vector<standin::TOpenedReport>& reports,
                   const standin::TOpenedReport& report) {
  const auto same = std::find_if(reports.begin(), reports.end(), [&report](const auto& kept) {
    return SamePath(kept.Path, report.Path);
  });
  if (same == reports.end()) reports.push_back(report);
  else *same = report;
}

}  // namespace

TImportReports SortImportReports(const std::vector<standin::TOpenedReport>& opened,
                                 const std::string& importReport,
                                 const std::vector<TExportReport>& exports) {
  TImportReports sorted;
  for (const standin::TOpenedReport& report : opened) {
    if (!SamePath(report.Path, importReport)) KeepLastState(sorted.Others, report);
    else if (!sorted.Import) sorted.Import = report;
    else sorted.ReplacedBy = LastExportWriting(exports, report.Path);
  }
  return sorted;
}

}  // namespace pcbhost
