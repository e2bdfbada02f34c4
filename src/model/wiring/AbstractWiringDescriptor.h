// What the wiring section of a design and a routed net of a routes file share: wires, vias,
// bond sites and the via tags of vias that carry a via number.
#pragma once

#include <memory>

#include "model/base/SpecctraList.h"
#include "model/files/FileSection.h"
#include "model/wiring/TaggedVias.h"

class TSpecctraViaInstance;

class TSpecctraAbstractWiringDescriptor : public TSpecctraFileSectionDescriptor {
public:
  using TSpecctraFileSectionDescriptor::TSpecctraFileSectionDescriptor;
  std::string_view ClassName() const override { return "TSpecctraAbstractWiringDescriptor"; }

  // After wire, via or bond: the member parses its block and is appended when it succeeds.
  // Each closes the block in this section's depth and answers the member's result.
  bool ParseWire();
  bool ParseVia();
  bool ParseBondSite();
  // Tags the via with its via number at its Specctra position.
  void AddViaTag(TSpecctraViaInstance& via);

  // Nil until the first member of the kind.
  TSpecctraList* Wires() const { return FWires.get(); }
  TSpecctraList* Vias() const { return FVias.get(); }
  TSpecctraList* BondSites() const { return FBondSites.get(); }
  TTaggedVias* ViaTags() const { return FViaTags.get(); }
  bool OwnResolution() const { return FOwnResolution; }

protected:
  TSpecctraList& EnsureWires();
  TSpecctraList& EnsureVias();

  std::unique_ptr<TTaggedVias> FViaTags;
  bool FOwnResolution = false;

private:
  std::unique_ptr<TSpecctraList> FWires;
  std::unique_ptr<TSpecctraList> FVias;
  std::unique_ptr<TSpecctraList> FBondSites;
};
