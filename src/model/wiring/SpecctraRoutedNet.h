// A host net on its way into a routes or session file: named as the host net, with its
// tracks and copper polygons as wires and its vias, written as a (net ...) block of the
// network_out section.
#pragma once

#include <memory>

#include "model/wiring/AbstractWiringDescriptor.h"
#include "model/wiring/RoutedTracks.h"

struct TRoutedNetContext;

class TSpecctraRoutedNet : public TSpecctraAbstractWiringDescriptor {
public:
  // The context is the export's shared one; without it the net reads its own.
  TSpecctraRoutedNet(TSpecctraObject* owner, PcbHandle hostNet,
                     const TRoutedNetContext* context = nullptr);
  ~TSpecctraRoutedNet() override;
  std::string_view ClassName() const override { return "TSpecctraRoutedNet"; }

  // The host net's name, its tracks not written yet by another net as wires, its vias with
  // the via numbers of the stored tags. False without a host net.
  bool ImportFromPcb() override;
  //   (net NAME (wire ...) ... (via ...) ...), the name quoted when it holds a parenthesis.
  bool ExportToFile() override;

  // The wires taken from the board: its plain tracks, kept as records, and its polygon wires
  // in Wires().
  int32_t WireCount() const;
  // Wires and vias: the objects the net writes.
  int64_t WrittenObjectCount() const;

private:
  void ImportWires(const TRoutedNetContext& context);
  void ImportVias(const TRoutedNetContext& context);
  // Gives each via the number of the tag at its host position, and a padstack that fits.
  void ApplyViaTags(const TRoutedNetContext& context);

  const TRoutedNetContext* FContext;
  std::unique_ptr<TRoutedNetContext> FOwnContext;
  TRoutedTracks FTracks;
};
