// The translation report: errors, warnings and notes of one run, written beside the file
// that was read or written when the run ends, then opened in the host.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Whether reports are written at all (only the design-import commands change it).
bool ReportEnabled();
void SetReportEnabled(bool enabled);

class TReportManager {
public:
  explicit TReportManager(std::string sourceFileName);

  void AddLine(std::string_view text);
  void AddError(std::string_view text);
  void AddWarning(std::string_view text);

  void StartTimer();
  void StopTimer();

  // Writes the report file and opens it in the host, when reports are enabled. A failure to
  // write raises; a locked target leaves the old report and gives the locked-file notice.
  void Finish();

  const std::vector<std::string>& Lines() const { return FLines; }
  int32_t ErrorCount() const { return FErrorCount; }
  int32_t WarningCount() const { return FWarningCount; }
  const std::string& ReportFileName() const { return FReportFileName; }
  // The report's text as Finish writes it (header and collected lines, CR LF line ends).
  std::string ReportText() const;

private:
  std::vector<std::string> FLines;
  std::string FReportFileName;
  int32_t FErrorCount = 0;
  int32_t FWarningCount = 0;
  std::string FSourceFileName;
  double FStartTime = 0;
  double FEndTime = 0;
};
