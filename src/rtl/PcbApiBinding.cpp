#include "rtl/PcbApiBinding.h"

#include <dlfcn.h>

bool THostLibrary::Bind() {
  if (!FHandle) FHandle = ::dlopen(FFileName, RTLD_NOLOAD | RTLD_LAZY);
  return FHandle != nullptr;
}

void* THostLibrary::Symbol(const char* name) { return Bind() ? ::dlsym(FHandle, name) : nullptr; }

THostLibrary& PcbLibrary() {
  static THostLibrary library("libkelvane.so");
  return library;
}

THostLibrary& ClientLibrary() {
  static THostLibrary library("libpcbclient.so");
  return library;
}

bool BindPcbApi() { return PcbLibrary().Bind(); }
