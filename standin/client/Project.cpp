#include "client/Project.h"

#include <algorithm>
#include <filesystem>

#include "boundary/TextBuffer.h"
#include "common/AsciiText.h"
#include "common/PathIdentity.h"
#include "common/SafeFile.h"

namespace standin {
namespace {

std::string ProjectFolder(const std::string& projectPath) {
  return FolderOfPath(NormalizedPath(projectPath));
}

// The document's path as the project file writes it: relative to the folder where possible.
std::string RelativeToFolder(const std::string& document, const std::string& folder) {
  const std::filesystem::path relative =
      std::filesystem::path(document).lexically_relative(std::filesystem::path(folder));
  return relative.empty() ? document : relative.generic_string();
}

}  // namespace

std::unique_ptr<TProject> TProject::Open(const std::string& path, std::string* error) {
  const auto text = ReadWholeFile(path, error);
  if (!text) return nullptr;
  auto project = std::make_unique<TProject>(path);
  project->ReadFileText(*text);
  return project;
}

void TProject::ReadFileText(std::string_view text) {
  const std::filesystem::path folder(ProjectFolder(FPath));
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    const std::string line = TrimText(text.substr(start, end - start));
    if (!line.empty()) FDocuments.push_back(NormalizedPath((folder / line).string()));
    start = end + 1;
  }
}

host::HResult TProject::GetPath(char* buffer, uint32_t size) {
  return CopyToBuffer(FPath, buffer, size);
}

host::HResult TProject::AddDocument(const char* path) {
  if (!path || !*path) return host::kFail;
  std::string document = NormalizedPath(path);
  if (std::find(FDocuments.begin(), FDocuments.end(), document) == FDocuments.end()) {
    FDocuments.push_back(std::move(document));
    FModified = true;
  }
  return host::kOk;
}

host::HResult TProject::DocumentCount(int32_t* count) {
  if (!count) return host::kFail;
  *count = static_cast<int32_t>(FDocuments.size());
  return host::kOk;
}

host::HResult TProject::DocumentPathAt(int32_t index, char* buffer, uint32_t size) {
  if (index < 0 || static_cast<std::size_t>(index) >= FDocuments.size()) {
    CopyTextToBuffer("", buffer, size);
    return host::kFail;
  }
  return CopyToBuffer(FDocuments[static_cast<std::size_t>(index)], buffer, size);
}

host::HResult TProject::PrepareForSave() { return host::kOk; }

std::string TProject::FileText() const {
  const std::string folder = ProjectFolder(FPath);
  std::string text;
  for (const std::string& document : FDocuments)
    text += RelativeToFolder(document, folder) + "\r\n";
  return text;
}

bool TProject::Save(std::string* error) {
  if (!WriteFileReplacing(FPath, FileText(), error)) return false;
  FModified = false;
  return true;
}

}  // namespace standin
