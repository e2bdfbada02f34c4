#include "model/geometry/SpecctraCombinedShape.h"

#include "model/geometry/SpecctraCircleShape.h"
#include "model/geometry/SpecctraFilledPolyShape.h"
#include "model/geometry/SpecctraQArcShape.h"
#include "model/geometry/SpecctraRectShape.h"
#include "specctra_io/SpecctraParser.h"
#include "specctra_io/SpecctraWriter.h"

TSpecctraCombinedShape::TSpecctraCombinedShape(TSpecctraObject* owner) : TSpecctraObject(owner) {}

void TSpecctraCombinedShape::AddShape(std::unique_ptr<TSpecctraAbstractGeometryShape> shape) {
  FShapes.Add(std::move(shape));
  FPrimaryStale = true;
}

void TSpecctraCombinedShape::AddWindow(std::unique_ptr<TSpecctraAbstractGeometryShape> shape) {
  if (!FWindows) FWindows = std::make_unique<TSpecctraList>();
  FWindows->Add(std::move(shape));
  FPrimaryStale = true;
}

TSpecctraAbstractGeometryShape* TSpecctraCombinedShape::PrimaryShape() {
  if (!FPrimary || FPrimaryStale) SelectPrimaryShape();
  return FPrimary;
}

void TSpecctraCombinedShape::SelectPrimaryShape() {
  if (FShapes.Count() == 0) return;
  FPrimary = static_cast<TSpecctraAbstractGeometryShape*>(FShapes.ObjectAt(0));
  FPrimaryStale = false;
}

void TSpecctraCombinedShape::ReleaseShapes() {
  FShapes.Clear();
  FWindows.reset();
  FPrimary = nullptr;
  FPrimaryStale = true;
}

std::unique_ptr<TSpecctraAbstractGeometryShape> TSpecctraCombinedShape::CreateShapeFor(
    int32_t id) {
  switch (id) {
    case KeywordId("circle"): return std::make_unique<TSpecctraCircleShape>(this);
    case KeywordId("path"): return std::make_unique<TSpecctraPolyLineShape>(this);
    case KeywordId("polygon"): return std::make_unique<TSpecctraFilledPolyShape>(this);
    case KeywordId("qarc"): return std::make_unique<TSpecctraQArcShape>(this);
    case KeywordId("rect"): return std::make_unique<TSpecctraRectShape>(this);
    default: return nullptr;
  }
}

std::unique_ptr<TSpecctraAbstractGeometryShape> TSpecctraCombinedShape::LoadShape() {
  TSpecctraParser& parser = *Parser();
  std::unique_ptr<TSpecctraAbstractGeometryShape> shape = CreateShapeFor(parser.CurrentId());
  if (!shape) {
    // An unknown block is skipped whole, so that its parentheses do not end the owner's.
    parser.ReportUnexpected();
    parser.SkipBlock();
    return nullptr;
  }
  return shape->LoadFromFile() ? std::move(shape) : nullptr;
}

bool TSpecctraCombinedShape::ParseShape() {
  std::unique_ptr<TSpecctraAbstractGeometryShape> shape = LoadShape();
  DecreaseDepth();
  if (!shape) return false;
  AddShape(std::move(shape));
  return true;
}

bool TSpecctraCombinedShape::ParseWindow() {
  TSpecctraParser& parser = *Parser();
  if (parser.NextToken() != tkOpenParen) {
    if (parser.EndOfInput() && parser.TokenText().empty()) return false;
    parser.ReportUnexpected();
    if (parser.CurrentId() != tkCloseParen) SkipUnknownBlock();
    // The window's own closing parenthesis was read: the window's block is over.
    DecreaseDepth();
    return false;
  }
  HandleToken();
  parser.NextToken();
  std::unique_ptr<TSpecctraAbstractGeometryShape> shape = LoadShape();
  DecreaseDepth();
  if (!shape) return false;
  AddWindow(std::move(shape));
  return true;
}

bool TSpecctraCombinedShape::ExportToFile() {
  for (int32_t i = 0; i < FShapes.Count(); ++i)
    if (!FShapes.ObjectAt(i)->ExportToFile()) break;
  if (!FWindows) return true;
  TSpecctraWriter& writer = *Writer();
  for (int32_t i = 0; i < FWindows->Count(); ++i) {
    writer.WriteLine("(window ", true);
    writer.IndentIn(1);
    FWindows->ObjectAt(i)->ExportToFile();
    writer.IndentOut(1);
    writer.WriteLine(")", true);
  }
  return true;
}
