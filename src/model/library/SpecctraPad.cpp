#include "model/library/SpecctraPad.h"

#include <cmath>

#include "model/geometry/SpecctraPolyLineShape.h"
#include "specctra_io/SpecctraParser.h"
#include "specctra_io/SpecctraWriter.h"

bool TSpecctraPad::LoadFromFile() {
  bool result = true;
  const bool loopResult = RunParseLoop([&](int32_t id) {
    switch (id) {
      case KeywordId("circle"):
      case KeywordId("path"):
      case KeywordId("polygon"):
      case KeywordId("rect"): result = ParseShape() && result; return true;
      case KeywordId("qarc"):
        // A pad has no arcs; the block is passed over whole so that its numbers stay in it.
        Parser()->ReportUnexpected();
        Parser()->SkipBlock();
        DecreaseDepth();
        result = false;
        return true;
      case KeywordId("connect"): FConnect = Parser()->ReadOnOff(); return true;
      case KeywordId("reduced"): result = LoadReducedShape() && result; return true;
      case KeywordId("window"): result = ParseWindow() && result; return true;
      default: return false;
    }
  });
  return loopResult && result;
}

// (reduced (circle|path|polygon|rect ...)): the shape is held; its block's closing parenthesis
// is left to the pad's loop. Without the inner block the rest of the statement is skipped.
bool TSpecctraPad::LoadReducedShape() {
  TSpecctraParser& parser = *Parser();
  if (parser.NextToken() != tkOpenParen) {
    parser.ReportUnexpected();
    if (parser.CurrentId() != tkCloseParen) SkipUnknownBlock();
    DecreaseDepth();
    return true;
  }
  const int32_t id = parser.NextToken();
  std::unique_ptr<TSpecctraAbstractGeometryShape> shape =
      id == KeywordId("qarc") ? nullptr : CreateShapeFor(id);
  if (!shape) {
    parser.ReportUnexpected();
    parser.SkipBlock();
    return false;
  }
  if (!shape->LoadFromFile()) return false;
  FReducedShape = std::move(shape);
  return true;
}

bool TSpecctraPad::ExportToFile() {
  TSpecctraWriter& writer = *Writer();
  writer.IndentIn(1);
  writer.Write("(shape ", true);
  TSpecctraCombinedShape::ExportToFile();
  writer.WriteLine(")", true);
  writer.IndentOut(1);
  return true;
}

std::string PadLayerName(TSpecctraPad& pad) {
  const TSpecctraAbstractGeometryShape* shape = pad.PrimaryShape();
  return shape ? shape->LayerName() : std::string();
}

int32_t PadWidth(TSpecctraPad& pad) {
  TSpecctraAbstractGeometryShape* shape = pad.PrimaryShape();
  if (!shape) return 0;
  const TSpecctraExtent& bounds = shape->GetBounds();
  return pad.ToBoardLength(std::fabs(bounds.MaxX - bounds.MinX));
}

int32_t PadHeight(TSpecctraPad& pad) {
  TSpecctraAbstractGeometryShape* shape = pad.PrimaryShape();
  if (!shape) return 0;
  const TSpecctraExtent& bounds = shape->GetBounds();
  return pad.ToBoardLength(std::fabs(bounds.MaxY - bounds.MinY));
}

uint8_t PadHostShape(TSpecctraPad& pad) {
  TSpecctraAbstractGeometryShape* shape = pad.PrimaryShape();
  switch (shape ? static_cast<int>(shape->Kind()) : -1) {
    case eRect_Shape:
    case eQArc_Shape: return kPadShapeRectangular;
    case eCircle_Shape: return kPadShapeRound;
    case ePolyLine_Shape:
    case eFilledPoly_Shape:
      return static_cast<TSpecctraPolyLineShape*>(shape)->SquareAperture() ? kPadShapeOctagonal
                                                                           : kPadShapeRound;
    default:
      pad.ReportWarning("Unknown pad type, converted to rounded pad.");
      return kPadShapeRound;
  }
}

double PadArea(TSpecctraPad& pad) {
  TSpecctraAbstractGeometryShape* shape = pad.PrimaryShape();
  return shape ? shape->GetArea() : 0;
}
