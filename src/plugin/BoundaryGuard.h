// Stops exceptions at the host boundary: the host gets a failure status instead.
#pragma once

#include "host/Client.h"

template <class Body>
host::HResult GuardedCall(Body&& body) noexcept {
  try {
    return body();
  } catch (...) {
    return host::kUnexpected;
  }
}
