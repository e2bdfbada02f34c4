#include "app/ProcessEnd.h"

#include <cstdio>
#include <cstdlib>
#include <iostream>

namespace pcbhost {

bool SessionsLeftToProcessEnd() {
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
  return false;
#else
  return true;
#endif
}

void EndProcess(int code) {
  if (!SessionsLeftToProcessEnd()) std::exit(code);
  std::cout.flush();
  std::cerr.flush();
  std::fflush(nullptr);
  std::_Exit(code);
}

}  // namespace pcbhost
