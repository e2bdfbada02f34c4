// A wire of a wiring section or of a routed net: a conductor whose primary shape (usually a
// path) is copper of one net, with its wire type, turret, shield net and supply mark. On
// design import its path becomes host tracks; on export each host track becomes one wire.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/geometry/SpecctraEmbededConductor.h"
#include "model/network/SpecctraConnection.h"
#include "rtl/PcbGeometry.h"

class TSpecctraWire : public TSpecctraEmbededConductor {
public:
  static constexpr int32_t kNoTurret = -1;

  using TSpecctraEmbededConductor::TSpecctraEmbededConductor;
  std::string_view ClassName() const override { return "TSpecctraWire"; }
  TShapeOwnerKind ShapeOwnerKind() const override { return TShapeOwnerKind::eWire; }
  std::string ShapeNetName() const override { return FNetName; }
  // Fixed, route and protect wires become tracks the router leaves alone.
  bool ShapesRouted() const override;

  //   (wire shape (window shape) (net N) (shield N) (supply) (type t) (turret n) (attr fanout)
  //         (connect ...))
  // A turret outside 1 .. 127 raises std::range_error.
  bool LoadFromFile() override;
  // The primary shape's tracks (or polygon) on the board; then the parsed shapes are freed,
  // as nothing reads them again (the wire itself stays in its list).
  bool ExportToPcb() override;
  // From the host track of the host handle: one path on its layer with its width and ends.
  bool ImportFromPcb() override;
  // From the host polygon of the host handle: one polygon on its layer with its track width
  // and outline, and its net. False for a keepout or an outline of fewer than three vertices.
  bool ImportHostPolygon();
  // From the host split plane of the host handle, as from a polygon of width 0.
  bool ImportHostSplitPlane();
  //   (wire (path LAYER w x y x y) (type t)), or (wire (polygon LAYER w x y ...) (net N))
  bool ExportToFile() override;

  // -1 (none) or 1 .. 127; anything else raises std::range_error.
  void SetTurret(int32_t turret);
  // Appends a vertex to the wire's first shape.
  void AddWireVertex(double x, double y);

  int32_t Turret() const { return FOptions ? FOptions->Turret : kNoTurret; }
  const std::string& ShieldNet() const;
  const std::string& NetName() const { return FNetName; }
  bool Supply() const { return FOptions && FOptions->Supply; }
  // The wire's connect statement, nil when it has none.
  const TSpecctraConnection* Connection() const {
    return FOptions ? FOptions->Connection.get() : nullptr;
  }

private:
  bool ReadWord(std::string& text);
  bool ReadTypeWord();
  bool ReadAttribute();
  bool LoadConnection();
  // One polygon on the host layer with the width, outline and net given; the host handle
  // counts as written.
  bool ImportHostOutline(PcbHandle net, PcbLayerId layer, int32_t width,
                         const std::vector<TPcbPoint>& outline);

  // What few wires give: held apart, so that a board's many plain wires stay small.
  struct TOptions {
    int32_t Turret = kNoTurret;
    bool Supply = false;
    std::string ShieldNet;
    std::unique_ptr<TSpecctraConnection> Connection;
  };
  TOptions& Options();

  std::string FNetName;
  std::unique_ptr<TOptions> FOptions;
};

// The written name of a wire type: "", "fixed", "route", "normal", "protect"; "" beyond.
std::string_view WireTypeName(uint8_t type);
