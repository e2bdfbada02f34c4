// The sub-scopes of one scope (1 or 2) of a host rule, exchanged as a list.
#pragma once

#include <cstdint>
#include <vector>

#include "host/PcbApi.h"

class TPcbScope {
public:
  explicit TPcbScope(uint8_t scopeNumber) : FScopeNumber(scopeNumber) {}

  void SetRule(PcbHandle rule) { FRule = rule; }
  uint8_t GetScopeNumber() const { return FScopeNumber; }
  // Reading replaces the list by the host's sub-scopes; writing (0 or 2) replaces the host's
  // sub-scopes by the list.
  void Exchange(uint8_t message);
  std::vector<PcbSubScopeRecord>& SubScopes() { return FSubScopes; }
  const std::vector<PcbSubScopeRecord>& SubScopes() const { return FSubScopes; }

private:
  void Read();
  void Write();

  PcbHandle FRule = 0;
  uint8_t FScopeNumber;
  std::vector<PcbSubScopeRecord> FSubScopes;
};
