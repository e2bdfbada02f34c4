#include "common/ReportCounts.h"

TReportCounts CountReportLines(std::string_view text) {
  TReportCounts counts;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view line = text.substr(start, end - start);
    if (line.starts_with("ERROR: ")) ++counts.Errors;
    if (line.starts_with("WARNING: ")) ++counts.Warnings;
    start = end + 1;
  }
  return counts;
}
