// The network section of routes and session files: one routed net per host net of the board,
// written as the (network_out ...) block.
#pragma once

#include <memory>

#include "model/base/SpecctraList.h"
#include "model/network/AbstractNetworkDescriptor.h"

struct TRoutedNetContext;
class TSpecctraRoutedNet;

class TSpecctraRteNetworkDescriptor : public TSpecctraAbstractNetworkDescriptor {
public:
  explicit TSpecctraRteNetworkDescriptor(TSpecctraObject* owner);
  ~TSpecctraRteNetworkDescriptor() override;
  std::string_view ClassName() const override { return "TSpecctraRteNetworkDescriptor"; }

  // Adds a routed net for every host net of the board; the stored via tags, plane layers
  // and library padstacks are read once for all of them.
  bool ImportFromPcb() override;
  // (network_out (net ...) ...) with the routed nets in name order.
  bool ExportToFile() override;
  bool AddRoutedNet(PcbHandle hostNet) override;

  const TSpecctraList& RoutedNets() const { return *FRoutedNets; }

private:
  TSpecctraRoutedNet& RoutedNetAt(int32_t index) const;

  std::unique_ptr<TSpecctraList> FRoutedNets;
  std::unique_ptr<TRoutedNetContext> FContext;
};
