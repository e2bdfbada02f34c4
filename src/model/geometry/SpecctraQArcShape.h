// (qarc layer width x1 y1 x2 y2 cx cy): a quarter arc from a start to an end point about a
// centre, drawn with an aperture width.
#pragma once

#include <utility>

#include "model/geometry/SpecctraAbstractGeometryShape.h"

class TSpecctraQArcShape : public TSpecctraAbstractGeometryShape {
public:
  explicit TSpecctraQArcShape(TSpecctraObject* owner);
  std::string_view ClassName() const override { return "TSpecctraQArcShape"; }

  bool LoadFromFile() override;
  // A host arc about vertex 2 over the quarter between the angles of vertex 0 and vertex 1,
  // whichever way the design turns.
  bool ExportToPcb() override;
  bool ExportToFile() override;
  // A quarter arc reports no extent.
  TSpecctraExtent GetExtent() const override { return {}; }
  void StoreExtraParams(std::string_view prefix, std::string& params) override;
  void LoadExtraParams(std::string_view prefix, const std::string& params) override;
  // Start, end and centre stay: missing ones are (0, 0).
  bool LoadFromParams(std::string_view prefix, const std::string& params) override;

  double Width() const { return FWidth; }
  void SetWidth(double width) { FWidth = width; }

  // The angle of a point about a centre in degrees, 0 to below 360; straight up is 90, the
  // centre itself and straight down 270.
  static double AngleAbout(double x, double y, double cx, double cy);
  // The start and end angles of the counter-clockwise host arc over the shorter way between
  // start and end: a clockwise quarter arc is drawn from its end to its start.
  static std::pair<double, double> CounterClockwiseAngles(const TVertex& start, const TVertex& end,
                                                          const TVertex& centre);

protected:
  double ApertureWidth() const override { return FWidth; }

private:
  double FWidth = 0;
};
