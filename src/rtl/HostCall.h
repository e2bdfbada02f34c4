// Calls through a bound host entry point. A missing entry point answers a neutral value
// instead: 0 or nil unless the caller names another one.
#pragma once

#include "rtl/PcbApiBinding.h"

template <class Function>
struct THostResultOf;

template <class Result, class... Parameters>
struct THostResultOf<Result(Parameters...)> {
  using Type = Result;
};

template <class Function, class... Args>
typename THostResultOf<Function>::Type CallHostOr(typename THostResultOf<Function>::Type neutral,
                                                  THostEntryPoint<Function>& entry, Args... args) {
  if (auto* function = entry.Get()) return function(args...);
  return neutral;
}

template <class Function, class... Args>
typename THostResultOf<Function>::Type CallHost(THostEntryPoint<Function>& entry, Args... args) {
  return CallHostOr(typename THostResultOf<Function>::Type{}, entry, args...);
}
