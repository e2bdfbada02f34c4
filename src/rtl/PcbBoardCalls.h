// Board-level host calls for callers that need no board wrapper. Missing entry points answer
// 0 or nil and leave records as they were.
#pragma once

#include <cstdint>
#include <string_view>

#include "host/PcbApi.h"

// The current board; nil when no PCB document is open.
PcbHandle CurrentPcbBoard();
PcbHandle PcbBoardFromFileName(std::string_view fileName);
// Gives the board an outline object; its handle then appears in the board record.
int32_t CreatePcbBoardOutline(PcbHandle board);
// Makes the host take up the outline object's changed outline.
int32_t UpdatePcbBoardOutline(PcbHandle board);

// The board record. On this side record.currentLayer holds a layer number (0..82); it travels
// to and from the host as a layer ID.
int32_t QueryPcbBoardRecord(uint8_t message, PcbHandle board, PcbBoardRecord& record);
int32_t QueryPcbBoardGrids(uint8_t message, PcbHandle board, PcbBoardGridsRecord& record);
// One layer's record (name, copper thickness, stack links) by layer number.
int32_t QueryPcbLayer(uint8_t message, PcbLayerNumber layer, PcbHandle board,
                      PcbLayerRecord& record);
// Puts newLayer into the host layer stack directly after referenceLayer; 0 when done.
int32_t InsertPcbLayerInStack(PcbHandle board, PcbLayerNumber newLayer,
                              PcbLayerNumber referenceLayer);
