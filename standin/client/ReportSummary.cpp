#include "client/ReportSummary.h"

#include "client/TerminalText.h"
#include "common/AsciiText.h"
#include "common/SafeFile.h"

namespace standin {
namespace {

std::string Counted(int count, const char* noun) {
  return std::to_string(count) + " " + noun + (count == 1 ? "" : "s");
}

}  // namespace

std::string ReportSummaryLine(std::string_view path, const TReportCounts& counts) {
  return "Report " + std::string(path) + ": " + Counted(counts.Errors, "error") + ", " +
         Counted(counts.Warnings, "warning");
}

void PrintReportSummary(ITerminal& terminal, const std::string& path) {
  std::string error;
  const auto text = ReadWholeFile(path, &error);
  if (!text) {
    WriteErrorLine(terminal, "Report " + path + ": " + error);
    return;
  }
  WriteErrorLine(terminal, ReportSummaryLine(path, CountReportLines(*text)));
}

bool IsReportPath(std::string_view path) {
  return path.size() >= 4 && SameTextIgnoringCase(path.substr(path.size() - 4), ".rpt");
}

}  // namespace standin
