#include "model/wiring/AbstractWiringDescriptor.h"

#include <memory>

#include "model/library/SpecctraViaInstance.h"
#include "model/structure/SpecctraBondSite.h"
#include "model/wiring/SpecctraWire.h"

namespace {

// Parses a new member; appends it when it succeeds.
template <class Member>
bool ParseMember(TSpecctraObject& owner, TSpecctraList& list) {
  auto member = std::make_unique<Member>(&owner);
  const bool result = member->LoadFromFile();
  if (result) list.Add(std::move(member));
  owner.DecreaseDepth();
  return result;
}

}  // namespace

TSpecctraList& TSpecctraAbstractWiringDescriptor::EnsureWires() {
  if (!FWires) FWires = std::make_unique<TSpecctraList>();
  return *FWires;
}

TSpecctraList& TSpecctraAbstractWiringDescriptor::EnsureVias() {
  if (!FVias) FVias = std::make_unique<TSpecctraList>();
  return *FVias;
}

bool TSpecctraAbstractWiringDescriptor::ParseWire() {
  return ParseMember<TSpecctraWire>(*this, EnsureWires());
}

bool TSpecctraAbstractWiringDescriptor::ParseVia() {
  TSpecctraList& vias = EnsureVias();
  const int32_t before = vias.Count();
  const bool result = ParseMember<TSpecctraViaInstance>(*this, vias);
  if (vias.Count() > before) {
    auto& via = static_cast<TSpecctraViaInstance&>(*vias.ObjectAt(vias.Count() - 1));
    if (via.ViaNumber() != 0) AddViaTag(via);
  }
  return result;
}

// Bond sites are not translated: the block is passed over with the skipped-block warning.
bool TSpecctraAbstractWiringDescriptor::ParseBondSite() {
  auto site = std::make_unique<TSpecctraBondSite>(this);
  const bool loaded = site->LoadFromFile();
  DecreaseDepth();
  if (!loaded) return false;
  if (!FBondSites) FBondSites = std::make_unique<TSpecctraList>();
  FBondSites->Add(std::move(site));
  return true;
}

void TSpecctraAbstractWiringDescriptor::AddViaTag(TSpecctraViaInstance& via) {
  if (!FViaTags) FViaTags = std::make_unique<TTaggedVias>();
  FViaTags->Add(&via, via.ViaNumber(), via.Position().X, via.Position().Y);
}
