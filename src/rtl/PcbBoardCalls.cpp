#include "rtl/PcbBoardCalls.h"

#include "rtl/HostCall.h"
#include "rtl/LayerNumbering.h"
#include "rtl/PcbStrings.h"

PcbHandle CurrentPcbBoard() {
  PCB_ENTRY_POINT(current, PcbApi_GetCurrentBoardHandle);
  return CallHost(current);
}

PcbHandle PcbBoardFromFileName(std::string_view fileName) {
  PCB_ENTRY_POINT(fromFileName, PcbApi_GetBoardHandleFromFileName);
  const PcbShortString name = ToPcbString(fileName);
  return CallHost(fromFileName, &name);
}

int32_t CreatePcbBoardOutline(PcbHandle board) {
  PCB_ENTRY_POINT(create, PcbApi_CreateBoardOutline);
  return CallHost(create, board);
}

int32_t UpdatePcbBoardOutline(PcbHandle board) {
  PCB_ENTRY_POINT(update, PcbApi_UpdateBoardOutline);
  return CallHost(update, board);
}

int32_t QueryPcbBoardRecord(uint8_t message, PcbHandle board, PcbBoardRecord& record) {
  PCB_ENTRY_POINT(query, PcbApi_QueryBoard);
  record.currentLayer = LayerIdOf(record.currentLayer);
  const int32_t status = CallHost(query, message, board, &record);
  record.currentLayer = LayerNumberOf(record.currentLayer);
  return status;
}

int32_t QueryPcbBoardGrids(uint8_t message, PcbHandle board, PcbBoardGridsRecord& record) {
  PCB_ENTRY_POINT(query, PcbApi_QueryBoardGridsEx);
  return CallHost(query, message, board, &record);
}

int32_t QueryPcbLayer(uint8_t message, PcbLayerNumber layer, PcbHandle board,
                      PcbLayerRecord& record) {
  PCB_ENTRY_POINT(query, PcbApi_QueryLayer);
  return CallHost(query, message, layer, board, &record);
}

int32_t InsertPcbLayerInStack(PcbHandle board, PcbLayerNumber newLayer,
                              PcbLayerNumber referenceLayer) {
  PCB_ENTRY_POINT(insert, PcbApi_InsertLayerInStack);
  return CallHost(insert, board, newLayer, referenceLayer);
}
