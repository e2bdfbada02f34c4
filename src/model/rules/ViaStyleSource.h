// A library padstack that can become a host routing via style. The padstack class implements
// it; a circuit's use_via list reaches it through the design's library.
#pragma once

#include <string>

class TViaStyleSource {
public:
  virtual ~TViaStyleSource() = default;
  // Adds one host routing via style rule named "<prefix> Via style <padstack>" (without the
  // prefix when it is empty) whose scope is the expression (the rule's own when empty).
  virtual void CreateViaStyleRule(const std::string& namePrefix, const std::string& scope) = 0;
};
