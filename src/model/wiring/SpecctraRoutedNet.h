// A host net on its way into a routes or session file: named as the host net, written as a
// (net ...) block of the network_out section. Its wires and vias are not read yet.
#pragma once

#include "model/files/FileSection.h"

class TSpecctraRoutedNet : public TSpecctraFileSectionDescriptor {
public:
  TSpecctraRoutedNet(TSpecctraObject* owner, PcbHandle hostNet);
  std::string_view ClassName() const override { return "TSpecctraRoutedNet"; }

  // Takes the host net's name; false without a host net.
  bool ImportFromPcb() override;
  // (net name ...), the name quoted when it holds a parenthesis.
  bool ExportToFile() override;
};
