// Stops exceptions at the C edge of the stand-in libraries: an exception escaping into the
// caller would end the process, so every exported function answers a failure value instead.
#pragma once

#include <utility>

namespace standin {

template <class Result, class Body>
Result GuardedCall(Result failure, Body&& body) noexcept {
  try {
    return std::forward<Body>(body)();
  } catch (...) {
    return failure;
  }
}

}  // namespace standin
