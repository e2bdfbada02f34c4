#include "model/wiring/SpecctraWire.h"

#include <memory>
#include <stdexcept>

#include "model/base/BoardHelpers.h"
#include "model/base/SpecctraText.h"
#include "model/geometry/SpecctraFilledPolyShape.h"
#include "model/geometry/SpecctraPolyLineShape.h"
#include "model/library/SpecctraViaInstance.h"
#include "rtl/PcbPolygons.h"
#include "rtl/PcbPrimitives.h"
#include "rtl/TranslationState.h"
#include "specctra_io/SpecctraParser.h"
#include "specctra_io/SpecctraWriter.h"

namespace {

constexpr int32_t kHighestTurret = 127;

}  // namespace

std::string_view WireTypeName(uint8_t type) {
  static constexpr std::string_view kNames[] = {"", "fixed", "route", "normal", "protect"};
  return type < std::size(kNames) ? kNames[type] : std::string_view();
}

bool TSpecctraWire::ShapesRouted() const { return WireTypeRouted(Type()); }

void TSpecctraWire::SetTurret(int32_t turret) {
  if (turret != kNoTurret && (turret < 1 || turret > kHighestTurret))
    throw std::range_error(std::to_string(turret) + " is not within the valid range of 1.." +
                           std::to_string(kHighestTurret));
  if (turret != kNoTurret || FOptions) Options().Turret = turret;
}

const std::string& TSpecctraWire::ShieldNet() const {
  static const std::string none;
  return FOptions ? FOptions->ShieldNet : none;
}

TSpecctraWire::TOptions& TSpecctraWire::Options() {
  if (!FOptions) FOptions = std::make_unique<TOptions>();
  return *FOptions;
}

void TSpecctraWire::AddWireVertex(double x, double y) {
  if (Shapes().Count() == 0) return;
  TVertex& vertex = static_cast<TSpecctraAbstractGeometryShape*>(Shapes().ObjectAt(0))->AddVertex();
  vertex = {x, y};
}

bool TSpecctraWire::LoadFromFile() {
  TSpecctraParser& parser = *Parser();
  bool result = true;
  // A statement the wire does not know costs only itself.
  const bool loopResult = RunTolerantParseLoop([&](int32_t id) {
    switch (id) {
      case KeywordId("circle"):
      case KeywordId("path"):
      case KeywordId("polygon"):
      case KeywordId("qarc"):
      case KeywordId("rect"): result = ParseShape() && result; return true;
      case KeywordId("window"): result = ParseWindow() && result; return true;
      case KeywordId("net"): result = ReadWord(FNetName) && result; return true;
      case KeywordId("shield"): result = ReadWord(Options().ShieldNet) && result; return true;
      case KeywordId("supply"): Options().Supply = true; return true;
      case KeywordId("type"): result = ReadTypeWord() && result; return true;
      case KeywordId("turret"): SetTurret(parser.ReadInteger()); return true;
      case KeywordId("attr"): result = ReadAttribute() && result; return true;
      case KeywordId("connect"): result = LoadConnection() && result; return true;
      default: return false;
    }
  });
  return loopResult && result;
}

bool TSpecctraWire::ExportToPcb() {
  const bool result = TSpecctraEmbededConductor::ExportToPcb();
  ReleaseShapes();
  return result;
}

bool TSpecctraWire::ReadWord(std::string& text) {
  const int32_t id = Parser()->NextToken();
  if (id == tkOpenParen || id == tkCloseParen) return HandleToken() && false;
  text = Parser()->TokenText();
  return true;
}

bool TSpecctraWire::ReadTypeWord() {
  if (const std::optional<uint8_t> type = WireTypeOfKeyword(Parser()->NextToken())) {
    SetType(*type);
    return true;
  }
  return HandleToken() && false;
}

bool TSpecctraWire::ReadAttribute() {
  if (Parser()->NextToken() == KeywordId("fanout")) return true;
  return HandleToken() && false;
}

bool TSpecctraWire::ImportFromPcb() {
  if (!HostHandle()) return false;
  TPcbTrack track(HostHandle());
  track.Update(kPcbMessageRead);
  FNetName = track.GetNet() ? HostNetName(track.GetNet()) : std::string();
  if (track.GetRoutedState() == 0) SetType(wtRoute);
  auto path = std::make_unique<TSpecctraPolyLineShape>(this);
  path->SetLayerName(HostLayerName(GetBoardHandle(), track.GetLayerId()));
  path->SetWidth(track.GetWidth());
  AddShape(std::move(path));
  AddWireVertex(track.GetX(), track.GetY());
  AddWireVertex(track.GetX2(), track.GetY2());
  TranslationState().WrittenObjects.Insert(HostHandle());
  return true;
}

bool TSpecctraWire::ImportHostPolygon() {
  if (!HostHandle()) return false;
  TPcbPolygon polygon(HostHandle());
  polygon.Update(kPcbMessageRead);
  if (polygon.GetKeepout()) return false;
  return ImportHostOutline(polygon.GetNet(), polygon.GetLayerId(), polygon.GetWidth(),
                           polygon.GetOutline());
}

bool TSpecctraWire::ImportHostSplitPlane() {
  if (!HostHandle()) return false;
  TPcbSplitPlane plane(HostHandle());
  plane.Update(kPcbMessageRead);
  if (plane.GetKeepout()) return false;
  return ImportHostOutline(plane.GetNet(), plane.GetLayerId(), 0, plane.GetOutline());
}

bool TSpecctraWire::ImportHostOutline(PcbHandle net, PcbLayerId layer, int32_t width,
                                      const std::vector<TPcbPoint>& outline) {
  if (outline.size() < 3) return false;
  FNetName = net ? HostNetName(net) : std::string();
  auto shape = std::make_unique<TSpecctraFilledPolyShape>(this);
  shape->SetLayerName(HostLayerName(GetBoardHandle(), layer));
  shape->SetWidth(width);
  AddShape(std::move(shape));
  for (const TPcbPoint& point : outline) AddWireVertex(point.X, point.Y);
  // The shape closes its ring, as a polygon read from a file does.
  PrimaryShape()->Normalize();
  TranslationState().WrittenObjects.Insert(HostHandle());
  return true;
}

bool TSpecctraWire::ExportToFile() {
  TSpecctraWriter& writer = *Writer();
  writer.Write("(wire ", true);
  writer.IndentIn(3);
  if (TSpecctraAbstractGeometryShape* primary = PrimaryShape()) primary->ExportToFile();
  if (Type() != wtNone && Type() != wtNormal)
    writer.WriteLine("(type " + std::string(WireTypeName(Type())) + ")", true);
  writer.IndentOut(3);
  writer.WriteLine(")", true);
  return true;
}

// (connect ...): the first one creates the connection, a later one is read into it again.
bool TSpecctraWire::LoadConnection() {
  std::unique_ptr<TSpecctraConnection>& connection = Options().Connection;
  if (!connection) connection = std::make_unique<TSpecctraConnection>(this);
  const bool loaded = connection->LoadFromFile();
  DecreaseDepth();
  return loaded;
}
