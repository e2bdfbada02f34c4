// Base of the two network sections: the design's, which holds the nets with their pins, and
// the one of routes and session files, which holds the routed nets read back from the board.
#pragma once

#include "model/files/FileSection.h"

class TSpecctraAbstractNetworkDescriptor : public TSpecctraFileSectionDescriptor {
public:
  using TSpecctraFileSectionDescriptor::TSpecctraFileSectionDescriptor;
  std::string_view ClassName() const override { return "TSpecctraAbstractNetworkDescriptor"; }

  // The section answers net lookups itself (the object base forwards them here).
  TSpecctraObject* FindNet(std::string_view /*name*/) override { return nullptr; }
  // Adds a routed net for the host net; answers whether it was kept.
  virtual bool AddRoutedNet(PcbHandle hostNet) = 0;
};

// Base of the net and of the net groups (classes, from-to groups); adds nothing.
class TSpecctraAbstractNetGroupObject : public TSpecctraObject {
public:
  using TSpecctraObject::TSpecctraObject;
  std::string_view ClassName() const override { return "TSpecctraAbstractNetGroupObject"; }
};
