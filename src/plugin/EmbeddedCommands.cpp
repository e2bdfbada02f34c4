// ViewEmbeddedObjects and DeleteEmbeddedObjects: the translator data kept in the current
// board, listed or removed.
#include <memory>

#include "model/base/EmbeddedStorage.h"
#include "plugin/Commands.h"
#include "rtl/HostClient.h"
#include "rtl/Parameters.h"
#include "rtl/PcbBoard.h"
#include "rtl/PcbBoardCalls.h"
#include "rtl/PcbEmbedded.h"
#include "rtl/PcbIteration.h"
#include "specctra_io/SpecctraWriter.h"

namespace {

constexpr const char* kNotAPcbDocument = "This document is not a PCB document.";

PcbHandle CurrentBoardOrTell() {
  const PcbHandle board = CurrentPcbBoard();
  if (!board) HostShowMessage(host::TMessageKind::Information, "Information", kNotAPcbDocument);
  return board;
}

}  // namespace

void ViewEmbeddedObjects(void*, const char* parameters) {
  const PcbHandle board = CurrentBoardOrTell();
  if (!board) return;
  std::string outputFile;
  std::unique_ptr<TSpecctraWriter> writer;
  if (GetParameterValue(parameters, "File", outputFile) && !outputFile.empty())
    writer = std::make_unique<TSpecctraWriter>(outputFile);
  TPcbBoard boardRecord(board);
  boardRecord.Update(kPcbMessageRead);
  TLayerSet allLayers;
  allLayers.set(0);
  IterateBoard(board, [&](PcbHandle handle) {
    TPcbEmbedded embedded(handle);
    embedded.Update(kPcbMessageRead);
    const std::string text =
        "Name:         " + embedded.GetName() + "\n\rDescription: " + embedded.GetData();
    if (writer) {
      writer->WriteLine(text, true);
      writer->WriteLine("", true);
    } else {
      HostShowMessage(host::TMessageKind::Plain, "", text);
    }
  }, 1u << kPcbObjectEmbedded, 0, allLayers);
  if (writer) writer->Save();
}

void DeleteEmbeddedObjects(void*, const char*) {
  if (const PcbHandle board = CurrentBoardOrTell()) DeleteTranslatorData(board);
}
