// The internal plane layers of a board by the net they carry: a via of that net touches them,
// and its written form lists them as contacts.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>

#include "host/PcbApi.h"

class TViaPlaneContacts {
public:
  // Reads the board's stack once: every internal plane layer in it with its net name.
  explicit TViaPlaneContacts(PcbHandle board);
  // The plane layer names of the net (letter case ignored), each after one blank, in layer
  // order; empty when no plane carries the net.
  const std::string& ContactsOf(std::string_view netName) const;

private:
  // Upper-cased net name -> contact text.
  std::unordered_map<std::string, std::string> FContacts;
};
