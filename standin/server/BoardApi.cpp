// Board-level entry points: the board record, grids, layer information, options, layer pairs,
// layers and the layer stack, and the board outline object.
#include <bit>
#include <cmath>
#include <cstring>
#include <string_view>

#include "server/Board.h"
#include "server/RecordExchange.h"
#include "server/RunningServer.h"
#include "server/ServerApi.h"

namespace standin::api {
namespace {

TBoard* FindBoard(PcbHandle board) {
  TPcbModel* model = ServerModel();
  return model ? model->Boards().Find(board) : nullptr;
}

PcbShortString ShortStringOf(std::string_view text) {
  PcbShortString result{};
  result.length = static_cast<uint8_t>(std::min<std::size_t>(text.size(), sizeof(result.text)));
  std::memcpy(result.text, text.data(), result.length);
  return result;
}

bool IsFinite(const PcbBoardGridsRecord& grids) {
  for (const double value : std::bit_cast<std::array<double, 16>>(grids))
    if (!std::isfinite(value)) return false;
  return true;
}

bool IsFinite(const PcbDielectricRecord& dielectric) {
  return std::isfinite(dielectric.dielectricConstant);
}

bool IsFinite(const PcbExternalDielectricsRecord& dielectrics) {
  return IsFinite(dielectrics.top) && IsFinite(dielectrics.bottom);
}

template <class Value>
bool AcceptsBoardValue(const Value& value) {
  if constexpr (requires { IsFinite(value); })
    return IsFinite(value);
  else
    return true;
}

// One value the board keeps as it is written: selected from the board by select.
template <class Value, class Select>
int32_t ExchangeBoardValue(uint8_t message, PcbHandle boardHandle, Value* value, Select&& select) {
  TBoard* board = FindBoard(boardHandle);
  if (!board || !value) return kPcbFail;
  Value* stored = select(*board);
  if (!stored) return kPcbFail;
  if (message == kPcbMessageRead) {
    *value = *stored;
    return kPcbOk;
  }
  if (!IsWriteMessage(message) || !AcceptsBoardValue(*value)) return kPcbFail;
  *stored = *value;
  board->SetModified(true);
  return kPcbOk;
}

// An entry of a one-based table (plot layers, plotter pens ...).
template <class Value, std::size_t N, class Select>
int32_t ExchangeBoardEntry(uint8_t message, PcbHandle board, int32_t index, Value* value,
                           Select&& select) {
  return ExchangeBoardValue(message, board, value, [&](TBoard& b) -> Value* {
    std::array<Value, N>& table = select(b);
    return index >= 1 && static_cast<std::size_t>(index) <= N ? &table[index - 1] : nullptr;
  });
}

// A layer's record (PcbLayerRecord or PcbInternalPlaneRecord).
template <class Record>
int32_t ExchangeLayerRecord(uint8_t message, PcbLayerNumber layer, PcbHandle boardHandle,
                            Record* record) {
  TBoard* board = FindBoard(boardHandle);
  if (!board || !record) return kPcbFail;
  if (message == kPcbMessageRead) return board->Layers().Give(layer, *record) ? kPcbOk : kPcbFail;
  if (!IsWriteMessage(message) || !board->Layers().Take(layer, *record)) return kPcbFail;
  board->SetModified(true);
  return kPcbOk;
}

}  // namespace

PcbHandle GetCurrentBoardHandle() { return CurrentBoardHandle(); }

PcbHandle GetBoardHandleFromFileName(const PcbShortString* fileName) {
  if (!fileName) return 0;
  return BoardHandleFromFileName(std::string_view(fileName->text, fileName->length));
}

int32_t CreateBoardOutline(PcbHandle boardHandle) {
  TPcbModel* model = ServerModel();
  TBoard* board = FindBoard(boardHandle);
  if (!model || !board) return kPcbFail;
  if (board->Outline() != 0) return kPcbOk;
  const PcbHandle outline = model->CreateObject(kPcbObjectBoardOutline);
  if (model->Add(boardHandle, outline) == kPcbOk) return kPcbOk;
  model->Destroy(outline);
  return kPcbFail;
}

int32_t UpdateBoardOutline(PcbHandle boardHandle) {
  TBoard* board = FindBoard(boardHandle);
  if (!board || board->Outline() == 0) return kPcbFail;
  board->SetModified(true);
  return kPcbOk;
}

// The file name and the outline handle are the board's own: written values are not taken.
int32_t QueryBoard(uint8_t message, PcbHandle boardHandle, PcbBoardRecord* r) {
  TBoard* board = FindBoard(boardHandle);
  if (!board || !r) return kPcbFail;
  PcbBoardRecord& stored = board->Settings().Record;
  if (message == kPcbMessageRead) {
    *r = stored;
    r->fileName = ShortStringOf(board->FileName());
    r->boardOutline = board->Outline();
    return kPcbOk;
  }
  const std::optional<PcbLayerNumber> currentLayer = LayerNumberOfId(r->currentLayer);
  if (!IsWriteMessage(message) || !currentLayer) return kPcbFail;
  stored.reserved1 = r->reserved1;
  stored.reserved2 = r->reserved2;
  stored.originX = r->originX;
  stored.originY = r->originY;
  stored.reserved3 = r->reserved3;
  stored.reserved4 = r->reserved4;
  stored.unitMils = r->unitMils;
  stored.currentLayer = *currentLayer;
  board->SetModified(true);
  return kPcbOk;
}

int32_t QueryBoardGridsEx(uint8_t message, PcbHandle board, PcbBoardGridsRecord* r) {
  return ExchangeBoardValue(message, board, r, [](TBoard& b) { return &b.Settings().Grids; });
}

int32_t QueryBoardLayerInfo(uint8_t message, PcbLayerNumber layer, PcbHandle board,
                            int32_t* info) {
  return ExchangeBoardEntry<int32_t, kLayerCount - 1>(
      message, board, layer, info, [](TBoard& b) -> auto& { return b.Settings().LayerInfo; });
}

int32_t QueryBoardSplitPlaneMode(uint8_t message, PcbHandle board, uint8_t* mode) {
  return ExchangeBoardValue(message, board, mode,
                            [](TBoard& b) { return &b.Settings().SplitPlaneMode; });
}

int32_t QueryBoardExternalDielectrics(uint8_t message, PcbHandle board,
                                      PcbExternalDielectricsRecord* r) {
  return ExchangeBoardValue(message, board, r,
                            [](TBoard& b) { return &b.Settings().ExternalDielectrics; });
}

// Writing the count resizes the list; new pairs are empty.
int32_t QueryBoardLayerPairsCount(uint8_t message, PcbHandle boardHandle, int32_t* count) {
  TBoard* board = FindBoard(boardHandle);
  if (!board || !count) return kPcbFail;
  std::vector<PcbLayerPairRecord>& pairs = board->Settings().LayerPairs;
  if (message == kPcbMessageRead) {
    *count = static_cast<int32_t>(pairs.size());
    return kPcbOk;
  }
  if (!IsWriteMessage(message) || *count < 0 || *count > kMaxLayerPairs) return kPcbFail;
  pairs.resize(static_cast<std::size_t>(*count), PcbLayerPairRecord{});
  board->SetModified(true);
  return kPcbOk;
}

// The pair's layers are kept as numbers; an unknown layer ID is refused.
int32_t QueryBoardLayerPairAt(uint8_t message, PcbHandle boardHandle, int32_t index,
                              PcbLayerPairRecord* r) {
  TBoard* board = FindBoard(boardHandle);
  if (!board || !r) return kPcbFail;
  std::vector<PcbLayerPairRecord>& pairs = board->Settings().LayerPairs;
  if (index < 0 || static_cast<std::size_t>(index) >= pairs.size()) return kPcbFail;
  PcbLayerPairRecord& pair = pairs[static_cast<std::size_t>(index)];
  if (message == kPcbMessageRead) {
    *r = pair;
    return kPcbOk;
  }
  const std::optional<PcbLayerNumber> start = LayerNumberOfId(r->startLayer);
  const std::optional<PcbLayerNumber> end = LayerNumberOfId(r->endLayer);
  if (!IsWriteMessage(message) || !start || !end) return kPcbFail;
  pair = {*end, *start, r->reserved1, r->reserved2};
  board->SetModified(true);
  return kPcbOk;
}

int32_t QueryBoardOutputOptions(uint8_t message, PcbHandle board, PcbOutputOptionsRecord* r) {
  return ExchangeBoardValue(message, board, r,
                            [](TBoard& b) { return &b.Settings().OutputOptions; });
}

int32_t QueryBoardOutputOptionsPlotLayers(uint8_t message, PcbHandle board, int32_t index,
                                          uint8_t* value) {
  return ExchangeBoardEntry<uint8_t, kPcbPlotLayerCount>(
      message, board, index, value, [](TBoard& b) -> auto& { return b.Settings().PlotLayers; });
}

int32_t QueryBoardOutputOptionsFlipLayers(uint8_t message, PcbHandle board, int32_t index,
                                          uint8_t* value) {
  return ExchangeBoardEntry<uint8_t, kPcbPlotLayerCount>(
      message, board, index, value, [](TBoard& b) -> auto& { return b.Settings().FlipLayers; });
}

int32_t QueryBoardGerberOptions(uint8_t message, PcbHandle board, PcbGerberOptionsRecord* r) {
  return ExchangeBoardValue(message, board, r,
                            [](TBoard& b) { return &b.Settings().GerberOptions; });
}

int32_t QueryBoardPrinterOptions(uint8_t message, PcbHandle board, PcbPrinterOptionsRecord* r) {
  return ExchangeBoardValue(message, board, r,
                            [](TBoard& b) { return &b.Settings().PrinterOptions; });
}

int32_t QueryBoardPrinterOptionsPlotterPen(uint8_t message, PcbHandle board, int32_t index,
                                           int32_t* value) {
  return ExchangeBoardEntry<int32_t, kPcbPlotterPenCount>(
      message, board, index, value, [](TBoard& b) -> auto& { return b.Settings().PlotterPens; });
}

int32_t QueryBoardPrinterOptionsCompositeLayer(uint8_t message, PcbHandle board, int32_t index,
                                               uint8_t* value) {
  return ExchangeBoardEntry<uint8_t, kPcbCompositeLayerCount>(
      message, board, index, value,
      [](TBoard& b) -> auto& { return b.Settings().CompositeLayers; });
}

int32_t QueryBoardAdvancedPlacerOptions(uint8_t message, PcbHandle board,
                                        PcbPlacerOptionsRecord* r) {
  return ExchangeBoardValue(message, board, r,
                            [](TBoard& b) { return &b.Settings().PlacerOptions; });
}

int32_t QueryBoardEngineeringChangeOrderOptions(uint8_t message, PcbHandle board,
                                                PcbEngineeringChangeOrderOptionsRecord* r) {
  return ExchangeBoardValue(message, board, r,
                            [](TBoard& b) { return &b.Settings().ChangeOrderOptions; });
}

int32_t QueryLayer(uint8_t message, PcbLayerNumber layer, PcbHandle board, PcbLayerRecord* r) {
  return ExchangeLayerRecord(message, layer, board, r);
}

int32_t QueryInternalPlane(uint8_t message, PcbLayerNumber layer, PcbHandle board,
                           PcbInternalPlaneRecord* r) {
  return ExchangeLayerRecord(message, layer, board, r);
}

int32_t QueryLayerDielectric(uint8_t message, PcbLayerNumber layer, PcbHandle board,
                             PcbDielectricRecord* r) {
  return ExchangeBoardValue(message, board, r, [&](TBoard& b) -> PcbDielectricRecord* {
    TLayerData* data = b.Layers().Layer(layer);
    return data ? &data->Dielectric : nullptr;
  });
}

int32_t InsertLayerInStack(PcbHandle boardHandle, PcbLayerNumber newLayer,
                           PcbLayerNumber referenceLayer) {
  TBoard* board = FindBoard(boardHandle);
  if (!board || !board->Layers().Insert(newLayer, referenceLayer)) return kPcbFail;
  board->SetModified(true);
  return kPcbOk;
}

}  // namespace standin::api
