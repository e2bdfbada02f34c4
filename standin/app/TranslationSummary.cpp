#include "app/TranslationSummary.h"

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <map>
#include <string_view>

#include "app/board_view/BoardSummary.h"
#include "app/board_view/CountText.h"
#include "app/board_view/ObjectKindNames.h"
#include "common/PathIdentity.h"

namespace pcbhost {

std::string AbsolutePathOf(const std::string& path) {
  return path.empty() ? path : std::filesystem::absolute(path).lexically_normal().string();
}

std::string WithExtension(const std::string& path, const std::string& extension) {
  return std::filesystem::path(path).replace_extension(extension).string();
}

void TTranslationSummary::AddBoard(standin::IClientControl& control, const std::string& document) {
  std::vector<std::size_t> counts;
  std::string error;
  if (!control.CountBoardObjects(document, counts, &error)) {
    FLines.push_back("board: " + error);
    return;
  }
  std::map<std::string, std::size_t> kindCounts;
  for (std::size_t kind = 0; kind < counts.size(); ++kind) {
    const std::string_view name = ObjectKindName(static_cast<uint32_t>(kind));
    if (!name.empty() && counts[kind] > 0) kindCounts[std::string(name)] = counts[kind];
  }
  FLines.push_back("board: " + BoardCountsLine(kindCounts));
}

void TTranslationSummary::AddBoard(const TBoardView& view) {
  FLines.push_back("board: " + BoardCountsLine(view.KindCounts));
}

void TTranslationSummary::AddReport(const standin::TOpenedReport& report) {
  const std::string counts = report.Read ? CountText(report.Counts.Errors, "error") + ", " +
                                               CountText(report.Counts.Warnings, "warning")
                                         : "cannot be read";
  FLines.push_back("report: " + report.Path + " (" + counts + ")");
}

void TTranslationSummary::AddNote(std::string line) { FLines.push_back(std::move(line)); }

void TTranslationSummary::AddWritten(const std::string& file) {
  const bool named = std::any_of(FWritten.begin(), FWritten.end(), [&file](const auto& written) {
    return SamePath(written, file);
  });
  if (!named) FWritten.push_back(file);
}

void TTranslationSummary::Print() const {
  for (const std::string& line : FLines) std::cout << line << "\n";
  for (const std::string& file : FWritten) std::cout << "written: " << file << "\n";
  std::cout.flush();
}

}  // namespace pcbhost
