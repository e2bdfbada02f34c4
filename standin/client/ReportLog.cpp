#include "client/ReportLog.h"

#include "common/AsciiText.h"
#include "common/SafeFile.h"

namespace standin {

void TReportLog::Record(const std::string& path) {
  TOpenedReport report{path, {}, false};
  if (const auto text = ReadWholeFile(path)) {
    report.Counts = CountReportLines(*text);
    report.Read = true;
  }
  FReports.push_back(std::move(report));
}

bool IsReportPath(std::string_view path) {
  return path.size() >= 4 && SameTextIgnoringCase(path.substr(path.size() - 4), ".rpt");
}

}  // namespace standin
