#include "client/ClientFileHelpers.h"

#include "boundary/TextBuffer.h"
#include "common/SafeFile.h"

namespace standin {
namespace {

std::string_view TextOf(const char* text) { return text ? std::string_view(text) : ""; }

std::size_t FileNameStart(std::string_view path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string_view::npos ? 0 : slash + 1;
}

}  // namespace

std::string FileNameOfPath(std::string_view path) {
  return std::string(path.substr(FileNameStart(path)));
}

std::string PathWithExtension(std::string_view path, std::string_view extension) {
  if (path.empty()) return {};
  if (extension.starts_with('.')) extension.remove_prefix(1);
  const std::size_t nameStart = FileNameStart(path);
  const std::size_t dot = path.rfind('.');
  // A dot that starts the file name (".hidden") does not begin an extension.
  const bool hasExtension = dot != std::string_view::npos && dot > nameStart;
  std::string result(path.substr(0, hasExtension ? dot : path.size()));
  if (!extension.empty()) result += "." + std::string(extension);
  return result;
}

bool ExistSpecific(const char* path) { return path && *path && FileExists(path); }

uint32_t ExtractFileNameFromPath(const char* path, char* buffer, uint32_t size) {
  return CopyTextToBuffer(FileNameOfPath(TextOf(path)), buffer, size);
}

uint32_t ExtractWholeFileNameFromPath(const char* path, char* buffer, uint32_t size) {
  return CopyTextToBuffer(TextOf(path), buffer, size);
}

uint32_t ForceFileNameExtension(const char* path, const char* extension, char* buffer,
                                uint32_t size) {
  return CopyTextToBuffer(PathWithExtension(TextOf(path), TextOf(extension)), buffer, size);
}

}  // namespace standin
