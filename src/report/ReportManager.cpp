#include "report/ReportManager.h"

#include <cmath>
#include <ctime>
#include <stdexcept>

#include "rtl/HostClient.h"
#include "report/LockedFiles.h"

namespace {

bool gReportEnabled = false;

constexpr double kSecondsPerDay = 86400.0;

// The current time as days since the epoch, local time.
double NowInDays() {
  timespec now{};
  ::clock_gettime(CLOCK_REALTIME, &now);
  return (static_cast<double>(now.tv_sec) + now.tv_nsec / 1e9) / kSecondsPerDay;
}

std::string FormatTime(double days, const char* format) {
  const auto seconds = static_cast<time_t>(std::floor(days * kSecondsPerDay));
  tm local{};
  ::localtime_r(&seconds, &local);
  char text[128];
  const std::size_t length = std::strftime(text, sizeof text, format, &local);
  return std::string(text, length);
}

std::string FileNameWithoutFolder(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The name with its extension replaced by ".rpt" (appended when it has none).
std::string ReportNameFor(const std::string& source) {
  const std::size_t slash = source.rfind('/');
  const std::size_t dot = source.rfind('.');
  const bool hasExtension = dot != std::string::npos && (slash == std::string::npos || dot > slash);
  return (hasExtension ? source.substr(0, dot) : source) + ".rpt";
}

// Shows the report in the host: an open document is focused (a text document at its top),
// otherwise the file is opened as a document of the kind the host gives it.
void OpenReportInHost(const std::string& reportFile) {
  host::IClient* client = HostClient();
  if (!client) return;
  host::IServerDocument* document = nullptr;
  if (client->GetDocumentByPath(reportFile.c_str(), &document) == host::kOk && document) {
    client->ShowDocument(document);
    char kind[64] = {};
    if (document->GetKind(kind, sizeof kind) == host::kOk && std::string(kind) == "Text") {
      std::string none;
      HostRunProcess("TextEdit:MoveCursorToTopOfDocument", none, 0);
    }
    return;
  }
  char kind[64] = {};
  client->GetDocumentKind(reportFile.c_str(), kind, sizeof kind);
  if (client->OpenDocument(kind, reportFile.c_str(), &document) == host::kOk && document)
    client->ShowDocument(document);
}

}  // namespace

bool ReportEnabled() { return gReportEnabled; }
void SetReportEnabled(bool enabled) { gReportEnabled = enabled; }

TReportManager::TReportManager(std::string sourceFileName)
    : FSourceFileName(std::move(sourceFileName)) {}

void TReportManager::AddLine(std::string_view text) { FLines.emplace_back(text); }

void TReportManager::AddError(std::string_view text) {
  ++FErrorCount;
  FLines.push_back("ERROR: " + std::string(text));
}

void TReportManager::AddWarning(std::string_view text) {
  ++FWarningCount;
  FLines.push_back("WARNING: " + std::string(text));
}

void TReportManager::StartTimer() { FStartTime = NowInDays(); }
void TReportManager::StopTimer() { FEndTime = NowInDays(); }

std::string TReportManager::ReportText() const {
  std::string text;
  auto line = [&text](const std::string& s) { text += s + "\r\n"; };
  line("TARVEX DESIGNER - NEW ROUTER INTERFACE");
  line("Design File : " + FileNameWithoutFolder(FSourceFileName));
  line("Date        : " + FormatTime(NowInDays(), "%x"));
  line("Start Time  : " + FormatTime(FStartTime, "%X"));
  line("End   Time  : " + FormatTime(FEndTime, "%X"));
  line("");
  line("");
  if (FErrorCount > 0) line("Total errors encountered: " + std::to_string(FErrorCount));
  if (FWarningCount > 0) line("Total warnings encountered: " + std::to_string(FWarningCount));
  line("");
  line("");
  for (const std::string& collected : FLines) line(collected);
  return text;
}

void TReportManager::Finish() {
  if (!ReportEnabled()) return;
  const std::string target = ReportNameFor(FSourceFileName);
  FReportFileName = target;
  if (GuardedSaveBuffer(ReportText(), FReportFileName)) OpenReportInHost(FReportFileName);
}
