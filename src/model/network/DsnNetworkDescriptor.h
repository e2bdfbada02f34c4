// The network section of a design: the nets with their pins, kept sorted by name. Net classes,
// from-to groups, class-to-class rules, pairs and bundles are read past for now.
#pragma once

#include <memory>

#include "model/base/SpecctraList.h"
#include "model/network/AbstractNetworkDescriptor.h"

class TSpecctraNet;

class TSpecctraDsnNetworkDescriptor : public TSpecctraAbstractNetworkDescriptor {
public:
  explicit TSpecctraDsnNetworkDescriptor(TSpecctraObject* owner);
  ~TSpecctraDsnNetworkDescriptor() override;
  std::string_view ClassName() const override { return "TSpecctraDsnNetworkDescriptor"; }

  // (network (net ...) (class ...) (group ...) (group_set ...) (class_class ...) (pair ...)
  //  (bundle ...))
  bool LoadFromFile() override;
  // Every net in name order builds its host net (and its fix-net rule).
  bool ExportToPcb() override;
  // The net filed under the name (letter case ignored), or nil.
  TSpecctraObject* FindNet(std::string_view name) override;
  // Routed nets belong to routes files; a design keeps none.
  bool AddRoutedNet(PcbHandle /*hostNet*/) override { return false; }

  // The nets, in name order.
  const TSpecctraList& Nets() const { return *FNets; }

private:
  bool LoadNet();
  // A statement whose translation is not there yet: its block is skipped with a warning.
  bool SkipStatement();

  std::unique_ptr<TSpecctraList> FNets;
};
