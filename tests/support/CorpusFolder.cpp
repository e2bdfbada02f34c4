#include "support/CorpusFolder.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <iostream>
#include <string>

namespace {

std::optional<std::filesystem::path> FindCorpusFolder() {
  const char* chosen = std::getenv("SPECCTRAIF_CORPUS");
  const bool fromEnvironment = chosen && *chosen;
  std::error_code error;
  const std::filesystem::path folder =
      std::filesystem::absolute(fromEnvironment ? chosen : CORPUS_DIR, error).lexically_normal();
  const std::string source = fromEnvironment ? "SPECCTRAIF_CORPUS" : "the default ../shared/corpus";
  if (std::filesystem::is_directory(folder, error)) {
    std::cout << "[ corpus   ] designs from " << folder.string() << " (" << source << ")\n";
    return folder;
  }
  std::cout << "[ corpus   ] no design corpus: " << folder.string() << " (" << source
            << ") is no folder; set SPECCTRAIF_CORPUS to a folder of designs\n";
  return std::nullopt;
}

}  // namespace

std::optional<std::filesystem::path> CorpusFolder() {
  static const std::optional<std::filesystem::path> folder = FindCorpusFolder();
  return folder;
}

std::vector<std::filesystem::path> CorpusDesigns() {
  std::vector<std::filesystem::path> designs;
  const auto corpus = CorpusFolder();
  if (!corpus) return designs;
  for (const auto& entry : std::filesystem::directory_iterator(*corpus))
    if (entry.path().extension() == ".dsn") designs.push_back(entry.path());
  std::sort(designs.begin(), designs.end());
  return designs;
}

std::string CorpusTestName(const std::filesystem::path& path) {
  std::string name = path.stem().string();
  for (char& c : name)
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  return name;
}
