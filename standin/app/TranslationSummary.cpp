#include "app/TranslationSummary.h"

#include <filesystem>
#include <iostream>

#include "app/board_view/BoardDocumentReader.h"
#include "app/board_view/BoardSummary.h"
#include "common/ReportCounts.h"
#include "common/SafeFile.h"

namespace pcbhost {

std::string AbsolutePathOf(const std::string& path) {
  return path.empty() ? path : std::filesystem::absolute(path).lexically_normal().string();
}

std::string WithExtension(const std::string& path, const std::string& extension) {
  return std::filesystem::path(path).replace_extension(extension).string();
}

void TTranslationSummary::AddBoard(const std::string& document) {
  TBoardView view;
  std::string error;
  if (ReadBoardView(document, view, &error)) FLines.push_back("board: " + BoardCountsLine(view));
  else FLines.push_back("board: " + error);
}

void TTranslationSummary::AddReportOf(const std::string& file) {
  const std::string report = WithExtension(file, "rpt");
  const auto text = ReadWholeFile(report);
  if (!text) return;
  const TReportCounts counts = CountReportLines(*text);
  FLines.push_back("report: " + report + " (" + std::to_string(counts.Errors) + " errors, " +
                   std::to_string(counts.Warnings) + " warnings)");
}

void TTranslationSummary::AddWritten(const std::string& file) { FLines.push_back("written: " + file); }

void TTranslationSummary::Print() const {
  for (const std::string& line : FLines) std::cout << line << "\n";
}

}  // namespace pcbhost
