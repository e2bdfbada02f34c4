// A project of the workspace. Its file (.PrjPcb) is text: one document path per line, relative
// to the project's folder (lines end with CR LF; blank lines are ignored when read).
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "host/Client.h"

namespace standin {

class TProject final : public host::IProject {
public:
  explicit TProject(std::string path) : FPath(std::move(path)) {}

  // The project of the file, or null with a reason when the file cannot be read.
  static std::unique_ptr<TProject> Open(const std::string& path, std::string* error);

  host::HResult GetPath(char* buffer, uint32_t size) override;
  host::HResult AddDocument(const char* path) override;
  host::HResult DocumentCount(int32_t* count) override;
  host::HResult DocumentPathAt(int32_t index, char* buffer, uint32_t size) override;
  host::HResult PrepareForSave() override;

  const std::string& Path() const { return FPath; }
  // Document paths, absolute.
  const std::vector<std::string>& Documents() const { return FDocuments; }
  bool Modified() const { return FModified; }

  // The file's text for the current documents.
  std::string FileText() const;
  bool Save(std::string* error);

private:
  void ReadFileText(std::string_view text);

  std::string FPath;
  std::vector<std::string> FDocuments;
  bool FModified = false;
};

}  // namespace standin
