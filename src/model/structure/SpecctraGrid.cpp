#include "model/structure/SpecctraGrid.h"

#include "model/base/InlineValues.h"
#include "rtl/PcbBoardCalls.h"
#include "specctra_io/SpecctraParser.h"

bool TSpecctraGrid::LoadFromFile() {
  TSpecctraParser& parser = *Parser();
  switch (parser.NextToken()) {
    case KeywordId("via"): FKind = eGrid_Via; break;
    case KeywordId("wire"): FKind = eGrid_Wire; break;
    case KeywordId("place"): FKind = eGrid_Place; break;
    case KeywordId("snap"): FKind = eGrid_Snap; break;
    default:
      // via_keepout and the forms not translated: the rest of the block is read past.
      FKind = parser.CurrentId() == KeywordId("via_keepout") ? eGrid_ViaKeepout : eGrid_Other;
      CountParenthesis(*this);
      SkipToDepth(*this, 0);
      return true;
  }
  if (!ReadRealValue(*this, FStep)) {
    SkipToDepth(*this, 0);
    return false;
  }
  bool result = true;
  const bool loopResult = RunParseLoop([&](int32_t id) {
    switch (id) {
      case KeywordId("direction"): {
        const int32_t word = parser.NextToken();
        FDirection = word == KeywordId("x")   ? eGridDirection_X
                     : word == KeywordId("y") ? eGridDirection_Y
                                              : eGridDirection_Both;
        CountParenthesis(*this);
        return true;
      }
      case KeywordId("offset"): result = ReadRealValue(*this, FOffset) && result; return true;
      case KeywordId("image_type"):
        if (FKind != eGrid_Place) return false;
        result = LoadImageType() && result;
        return true;
      default: return false;
    }
  });
  return loopResult && result;
}

bool TSpecctraGrid::LoadImageType() {
  TSpecctraParser& parser = *Parser();
  const int32_t id = parser.NextToken();
  if (id == KeywordId("smd") || id == KeywordId("pin")) return true;
  parser.ReportUnexpected();
  CountParenthesis(*this);
  return false;
}

bool TSpecctraGridCollection::LoadGrid() {
  auto grid = std::make_unique<TSpecctraGrid>(this);
  const bool loaded = grid->LoadFromFile();
  if (loaded) FGrids.Add(std::move(grid));
  return loaded;
}

const TSpecctraGrid* TSpecctraGridCollection::FindGrid(uint8_t kind, uint8_t direction) const {
  const TSpecctraGrid* both = nullptr;
  for (int32_t i = 0; i < FGrids.Count(); ++i) {
    const auto* grid = static_cast<const TSpecctraGrid*>(FGrids.ObjectAt(i));
    if (grid->Kind() != kind) continue;
    if (grid->Direction() == direction) return grid;
    if (grid->Direction() == eGridDirection_Both) both = grid;
  }
  return both;
}

bool TSpecctraGridCollection::ExportToPcb() {
  const PcbHandle board = GetBoardHandle();
  PcbBoardGridsRecord record{};
  QueryPcbBoardGrids(kPcbMessageRead, board, record);
  const auto take = [&](double& value, uint8_t kind, uint8_t direction) {
    if (const TSpecctraGrid* grid = FindGrid(kind, direction))
      value = ToBoardLength(grid->Step());
  };
  take(record.viaGrid, eGrid_Via, eGridDirection_X);
  take(record.wireGrid, eGrid_Wire, eGridDirection_X);
  take(record.snapGridX, eGrid_Snap, eGridDirection_X);
  take(record.snapGridY, eGrid_Snap, eGridDirection_Y);
  take(record.placeGridX, eGrid_Place, eGridDirection_X);
  take(record.placeGridY, eGrid_Place, eGridDirection_Y);
  const TSpecctraUnit unit = UnitKind();
  record.unitMils = unit == uInch || unit == uMil ? 1 : 0;
  return QueryPcbBoardGrids(kPcbMessageWrite, board, record) == kPcbOk;
}
