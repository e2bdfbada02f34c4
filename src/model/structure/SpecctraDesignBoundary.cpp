#include "model/structure/SpecctraDesignBoundary.h"

#include <algorithm>

#include "common/AsciiText.h"
#include "model/geometry/ShapeHostLookups.h"
#include "model/geometry/ShapeHostPrimitives.h"
#include "model/geometry/SpecctraPolyLineShape.h"
#include "model/structure/SpecctraLayerStack.h"
#include "model/structure/StructureDescriptors.h"
#include "rtl/PcbBoardCalls.h"
#include "rtl/PcbPolygons.h"
#include "specctra_io/SpecctraParser.h"

namespace {

bool IsOnLayer(const TSpecctraAbstractGeometryShape& shape, std::string_view layer) {
  return SameTextIgnoringCase(shape.LayerName(), layer);
}

bool IsOutlineKind(const TSpecctraAbstractGeometryShape& shape) {
  return shape.Kind() == ePolyLine_Shape || shape.Kind() == eFilledPoly_Shape;
}

}  // namespace

bool TSpecctraDesignBoundary::LoadFromFile() {
  SetBlockDepth(1);
  bool result = true;
  const bool loopResult = RunParseLoop([&](int32_t id) {
    switch (id) {
      // A polygon is read as a closed path.
      case KeywordId("path"):
      case KeywordId("polygon"):
        result = LoadShape(std::make_unique<TSpecctraPolyLineShape>(this)) && result;
        return true;
      case KeywordId("rect"):
        result = LoadShape(std::make_unique<TSpecctraRectShape>(this)) && result;
        return true;
      case KeywordId("rule"):
        SkipUnknownBlock();
        DecreaseDepth();
        return true;
      default:
        // The boundary's clearance class is not translated either; as an unexpected token it
        // would fail the structure and cost the design its offset.
        if (id != tkUnknownWord || Parser()->TokenText() != "CLEARANCE_CLASS") return false;
        SkipUnknownBlock();
        DecreaseDepth();
        return true;
    }
  });
  if (!FBoundingRect) ChooseBoundingRect();
  if (!FBoardShape) ChooseBoardShape();
  return loopResult && result;
}

bool TSpecctraDesignBoundary::LoadShape(std::unique_ptr<TSpecctraAbstractGeometryShape> shape) {
  const bool loaded = shape->LoadFromFile();
  if (loaded) {
    shape->Normalize();
    FOtherShapes.push_back(std::move(shape));
  }
  DecreaseDepth();
  return loaded;
}

void TSpecctraDesignBoundary::ChooseBoundingRect() {
  const auto found = std::find_if(FOtherShapes.begin(), FOtherShapes.end(), [](const auto& shape) {
    return shape->Kind() == eRect_Shape && IsOnLayer(*shape, "PCB");
  });
  if (found == FOtherShapes.end()) return;
  FBoundingRect.reset(static_cast<TSpecctraRectShape*>(found->release()));
  FOtherShapes.erase(found);
}

void TSpecctraDesignBoundary::ChooseBoardShape() {
  const auto found = std::find_if(FOtherShapes.rbegin(), FOtherShapes.rend(),
                                  [](const auto& shape) { return IsOnLayer(*shape, "SIGNAL"); });
  if (found == FOtherShapes.rend()) return;
  FBoardShape = std::move(*found);
  FOtherShapes.erase(std::next(found).base());
}

TSpecctraAbstractGeometryShape* TSpecctraDesignBoundary::PcbOutlineShape() const {
  const auto found = std::find_if(FOtherShapes.rbegin(), FOtherShapes.rend(), [](const auto& shape) {
    return IsOutlineKind(*shape) && IsOnLayer(*shape, "PCB");
  });
  return found == FOtherShapes.rend() ? nullptr : found->get();
}

TSpecctraExtent TSpecctraDesignBoundary::DesignExtent() {
  if (FBoundingRect) return FBoundingRect->GetBounds();
  TSpecctraExtent extent;
  for (const auto& shape : FOtherShapes) {
    const TSpecctraExtent& bounds = shape->GetBounds();
    extent.MinX = std::min(extent.MinX, bounds.MinX);
    extent.MinY = std::min(extent.MinY, bounds.MinY);
    extent.MaxX = std::max(extent.MaxX, bounds.MaxX);
    extent.MaxY = std::max(extent.MaxY, bounds.MaxY);
  }
  return extent;
}

bool TSpecctraDesignBoundary::ExportToPcb() {
  // Boards that give their outline as a path on layer pcb use it like a bounding rectangle.
  TSpecctraAbstractGeometryShape* pcbOutline =
      !FBoardShape && !FBoundingRect ? PcbOutlineShape() : nullptr;
  TSpecctraAbstractGeometryShape* boardShape =
      FBoardShape ? FBoardShape.get() : FBoundingRect ? FBoundingRect.get() : pcbOutline;
  if (!boardShape) {
    ReportWarning("Board Shape Not Found, Design Bounding Rectangle Not Found!");
    return true;
  }
  if (FBoundingRect) FBoundingRect->ExportToPcb();
  boardShape->ExportToPcb();
  const std::vector<TPcbPoint> outline = boardShape->HostOutline();
  if (!outline.empty() && boardShape->CheckOutlineFits(outline)) {
    SetBoardOutline(outline);
    if (!ExportPlaneFills(outline)) ReportError("Internal planes not converted.");
  }
  for (const auto& shape : FOtherShapes)
    if (shape.get() != pcbOutline && !shape->ExportToPcb()) break;
  return true;
}

bool TSpecctraDesignBoundary::SetBoardOutline(std::span<const TPcbPoint> outline) {
  const PcbHandle board = GetBoardHandle();
  PcbBoardRecord record{};
  QueryPcbBoardRecord(kPcbMessageRead, board, record);
  if (!record.boardOutline) {
    CreatePcbBoardOutline(board);
    QueryPcbBoardRecord(kPcbMessageRead, board, record);
  }
  auto boardOutline = std::make_unique<TPcbBoardOutline>(record.boardOutline);
  boardOutline->Update(kPcbMessageRead);
  boardOutline->ClearOutline();
  boardOutline->Update(kPcbMessageWrite);
  boardOutline->SetOutline(outline);
  const bool written = boardOutline->Update(kPcbMessageWrite) == kPcbOk;
  QueryPcbBoardRecord(kPcbMessageWrite, board, record);
  UpdatePcbBoardOutline(board);
  return written;
}

bool TSpecctraDesignBoundary::ExportPlaneFills(std::span<const TPcbPoint> outline) {
  auto* structure = dynamic_cast<TSpecctraAbstractStructureDescriptor*>(Owner());
  if (!structure) return true;
  TSpecctraLayerStack& stack = structure->LayerStack();
  for (int32_t i = 0; i < stack.LayerCount(); ++i) {
    const TSpecctraLayer* layer = stack.LayerAt(i);
    if (layer->Kind() != lkPower || layer->PlaneNets().size() != 1 || !layer->HostLayerId())
      continue;
    TSpecctraObject* net = FindNet(layer->PlaneNets().front());
    THostPlacement placement;
    placement.Layer = layer->HostLayerId();
    placement.Net = net ? ExistingHostNet(*net) : 0;
    placement.Container = GetBoardHandle();
    if (!AddHostSplitPlane(placement, outline)) return false;
  }
  return true;
}
