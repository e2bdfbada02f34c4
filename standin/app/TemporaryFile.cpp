#include "app/TemporaryFile.h"

#include <filesystem>

#include "common/SafeFile.h"

namespace pcbhost {

TTemporaryFile::TTemporaryFile(const std::string& prefix) {
  std::error_code error;
  const std::filesystem::path folder = std::filesystem::temp_directory_path(error);
  if (!error) FPath = CreateTemporaryFileIn(folder.string(), prefix);
}

TTemporaryFile::~TTemporaryFile() {
  std::error_code ignored;
  if (!FPath.empty()) std::filesystem::remove(FPath, ignored);
}

}  // namespace pcbhost
