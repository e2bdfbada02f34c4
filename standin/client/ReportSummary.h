// The summary the host shows when it opens a translation report: its path and the number of
// error and warning lines ("ERROR: ..." and "WARNING: ..." at the start of a line).
#pragma once

#include <string>
#include <string_view>

#include "client/Terminal.h"
#include "common/ReportCounts.h"

namespace standin {

// "Report /path/demo.rpt: 1 error, 2 warnings"
std::string ReportSummaryLine(std::string_view path, const TReportCounts& counts);

// Reads the report and writes its summary line to standard error (or that it cannot be read).
void PrintReportSummary(ITerminal& terminal, const std::string& path);

// Whether a file is a translation report (extension .rpt, letter case ignored).
bool IsReportPath(std::string_view path);

}  // namespace standin
