// The reports the plug-in opened in the host, in order: each time a report is opened, or its
// file is replaced while it is open, the log keeps its path and the error and warning counts
// its file held at that moment. A later report of the same name replaces the file, so the
// counts read then are the only record of the earlier one.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "common/ReportCounts.h"

namespace standin {

struct TOpenedReport {
  std::string Path;
  TReportCounts Counts;
  // False when the file could not be read (the counts are then zero).
  bool Read = false;
};

class TReportLog {
public:
  // Reads the report's file now and records it.
  void Record(const std::string& path);
  const std::vector<TOpenedReport>& Reports() const { return FReports; }

private:
  std::vector<TOpenedReport> FReports;
};

// Whether a file is a translation report (extension .rpt, letter case ignored).
bool IsReportPath(std::string_view path);

}  // namespace standin
