// The plug-in library, loaded with dlopen from beside the pcbhost executable or from the path
// in $PCBHOST_PLUGIN, and unloaded when this object goes.
#pragma once

#include <string>

namespace pcbhost {

class TPluginLibrary {
public:
  TPluginLibrary() = default;
  TPluginLibrary(const TPluginLibrary&) = delete;
  TPluginLibrary& operator=(const TPluginLibrary&) = delete;
  ~TPluginLibrary();

  // $PCBHOST_PLUGIN when set, else libspecctraif.so in the executable's folder.
  static std::string DefaultPath();

  bool Load(const std::string& path, std::string* error);
  // The address of an exported name, or null.
  void* Symbol(const char* name) const;
  const std::string& Path() const { return FPath; }
  // Leaves the library loaded for the rest of the process.
  void KeepLoaded() { FHandle = nullptr; }

private:
  void* FHandle = nullptr;
  std::string FPath;
};

}  // namespace pcbhost
