// The network section of a design: the nets with their pins, kept sorted by name, and the net
// groups: net classes, from-to groups and group sets, class-to-class rules, differential pairs
// and bundles.
#pragma once

#include <memory>

#include "model/base/SpecctraList.h"
#include "model/network/AbstractNetworkDescriptor.h"

class TSpecctraNet;
class TSpecctraFromToClass;

class TSpecctraDsnNetworkDescriptor : public TSpecctraAbstractNetworkDescriptor {
public:
  explicit TSpecctraDsnNetworkDescriptor(TSpecctraObject* owner);
  ~TSpecctraDsnNetworkDescriptor() override;
  std::string_view ClassName() const override { return "TSpecctraDsnNetworkDescriptor"; }

  // (network (net ...) (class ...) (group ...) (group_set ...) (class_class ...) (pair ...)
  //  (bundle ...))
  bool LoadFromFile() override;
  // Every net in name order builds its host net (and its fix-net rule); then the net classes,
  // from-to groups and group sets build their host classes.
  bool ExportToPcb() override;
  // The net filed under the name (letter case ignored), or nil.
  TSpecctraObject* FindNet(std::string_view name) override;
  // Routed nets belong to routes files; a design keeps none.
  bool AddRoutedNet(PcbHandle /*hostNet*/) override { return false; }

  // The nets, in name order.
  const TSpecctraList& Nets() const { return *FNets; }
  // The group lists; each is nil before the first statement of its kind. From-to groups and
  // group sets are in name order, the others in statement order.
  const TSpecctraList* NetClasses() const { return FNetClasses.get(); }
  const TSpecctraList* FromToClasses() const { return FFromToClasses.get(); }
  const TSpecctraList* FromToSuperClasses() const { return FFromToSuperClasses.get(); }
  const TSpecctraList* DiffPairs() const { return FDiffPairs.get(); }
  const TSpecctraList* DiffBundles() const { return FDiffBundles.get(); }
  const TSpecctraList* ClassToClasses() const { return FClassToClasses.get(); }
  // The from-to group filed under the name (letter case ignored), or nil.
  TSpecctraFromToClass* FindFromToClass(std::string_view name) const;

private:
  bool LoadNet();
  // Loads a group statement of the class into the list (created sorted or not on first use);
  // the group is kept when it loaded, or always when keepFailed; else it is dropped.
  template <class Group>
  bool LoadGroup(std::unique_ptr<TSpecctraList>& list, bool sorted, bool keepFailed = false);

  std::unique_ptr<TSpecctraList> FNets;
  std::unique_ptr<TSpecctraList> FNetClasses;
  std::unique_ptr<TSpecctraList> FFromToClasses;
  std::unique_ptr<TSpecctraList> FFromToSuperClasses;
  std::unique_ptr<TSpecctraList> FDiffPairs;
  std::unique_ptr<TSpecctraList> FDiffBundles;
  std::unique_ptr<TSpecctraList> FClassToClasses;
  // Nets and groups that failed to load: kept, never translated, because the rule scopes they
  // opened stay in the rule collection and name them.
  TSpecctraList FDroppedGroups;
};
