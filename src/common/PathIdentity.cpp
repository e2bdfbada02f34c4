#include "common/PathIdentity.h"

#include <filesystem>
#include <system_error>

std::string NormalizedPath(std::string_view path) {
  if (path.empty()) return {};
  std::error_code error;
  std::filesystem::path absolute = std::filesystem::absolute(std::filesystem::path(path), error);
  if (error) absolute = std::filesystem::path(path);
  std::string normal = absolute.lexically_normal().string();
  // "/a/b/" and "/a/b" name the same folder.
  while (normal.size() > 1 && normal.back() == '/') normal.pop_back();
  return normal;
}

bool SamePath(std::string_view a, std::string_view b) {
  if (a.empty() || b.empty()) return false;
  return NormalizedPath(a) == NormalizedPath(b);
}
