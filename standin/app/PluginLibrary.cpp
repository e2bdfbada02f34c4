#include "app/PluginLibrary.h"

#include <dlfcn.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

namespace pcbhost {
namespace {

constexpr const char* kPluginFileName = "libspecctraif.so";

std::string ExecutableFolder() {
  std::vector<char> path(4096, '\0');
  const ssize_t length = ::readlink("/proc/self/exe", path.data(), path.size() - 1);
  if (length <= 0) return ".";
  const std::string executable(path.data(), static_cast<std::size_t>(length));
  const std::size_t slash = executable.rfind('/');
  return slash == std::string::npos ? "." : executable.substr(0, slash);
}

}  // namespace

TPluginLibrary::~TPluginLibrary() {
  if (FHandle) ::dlclose(FHandle);
}

std::string TPluginLibrary::DefaultPath() {
  const char* chosen = std::getenv("PCBHOST_PLUGIN");
  if (chosen && *chosen) return chosen;
  return ExecutableFolder() + "/" + kPluginFileName;
}

bool TPluginLibrary::Load(const std::string& path, std::string* error) {
  FPath = path;
  FHandle = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (FHandle) return true;
  const char* reason = ::dlerror();
  if (error) *error = "cannot load the plug-in: " + std::string(reason ? reason : path);
  return false;
}

void* TPluginLibrary::Symbol(const char* name) const {
  return FHandle ? ::dlsym(FHandle, name) : nullptr;
}

}  // namespace pcbhost
