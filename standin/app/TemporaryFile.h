// A new, empty file in the system's temporary folder, removed when this object goes.
#pragma once

#include <string>

namespace pcbhost {

class TTemporaryFile {
public:
  explicit TTemporaryFile(const std::string& prefix);
  TTemporaryFile(const TTemporaryFile&) = delete;
  TTemporaryFile& operator=(const TTemporaryFile&) = delete;
  ~TTemporaryFile();

  // Empty when the file could not be created.
  const std::string& Path() const { return FPath; }

private:
  std::string FPath;
};

}  // namespace pcbhost
