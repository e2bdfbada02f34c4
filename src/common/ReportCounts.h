// The error and warning lines of a translation report: "ERROR: ..." and "WARNING: ..." at the
// start of a line.
#pragma once

#include <string_view>

struct TReportCounts {
  int Errors = 0;
  int Warnings = 0;
};

TReportCounts CountReportLines(std::string_view text);
