// Binding of the host libraries' entry points by name. The libraries are already loaded by
// the host; each is looked up (never loaded or unloaded) on first use and again while unbound.
#pragma once

#include "host/PcbApi.h"

class THostLibrary {
public:
  explicit constexpr THostLibrary(const char* fileName) : FFileName(fileName) {}
  // Looks the library up now; true when it is loaded.
  bool Bind();
  // The address of an entry point, or null when the library or the name is missing.
  void* Symbol(const char* name);

private:
  const char* FFileName;
  void* FHandle = nullptr;
};

// The PCB server library and the client library.
THostLibrary& PcbLibrary();
THostLibrary& ClientLibrary();

bool BindPcbApi();

// One entry point, resolved on first use and again while it is still missing.
template <class Function>
class THostEntryPoint {
public:
  constexpr THostEntryPoint(THostLibrary& library, const char* name)
      : FLibrary(library), FName(name) {}
  Function* Get() {
    if (!FFunction) FFunction = reinterpret_cast<Function*>(FLibrary.Symbol(FName));
    return FFunction;
  }

private:
  THostLibrary& FLibrary;
  const char* FName;
  Function* FFunction = nullptr;
};

// Declares a function-local entry point named after the host function.
#define PCB_ENTRY_POINT(variable, hostFunction) \
  static THostEntryPoint<decltype(::hostFunction)> variable{PcbLibrary(), #hostFunction}
#define CLIENT_ENTRY_POINT(variable, hostFunction) \
  static THostEntryPoint<decltype(::hostFunction)> variable{ClientLibrary(), #hostFunction}
