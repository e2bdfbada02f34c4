#include "model/structure/TestpointsDescriptor.h"

#include "model/structure/SpecctraTestPoint.h"
#include "rtl/PcbIteration.h"
#include "rtl/PcbPad.h"
#include "rtl/PcbVia.h"
#include "specctra_io/SpecctraWriter.h"

// A pad's flags, position and net are in its record: the values of its 83 layers, which a
// full read of a pad adds, are not needed to tell a test point.
bool TSpecctraTestpointsDescriptor::ImportFromPcb() {
  const PcbHandle board = GetBoardHandle();
  ForEachPcbObject(board, kPcbObjectPad, [&](PcbHandle handle) {
    TPcbPad pad(handle);
    if (pad.ReadRecord() == kPcbOk) AddIfTestPoint(pad);
  });
  ForEachPcbObject(board, kPcbObjectVia, [&](PcbHandle handle) {
    TPcbVia via(handle);
    via.Update(kPcbMessageRead);
    AddIfTestPoint(via);
  });
  return true;
}

void TSpecctraTestpointsDescriptor::AddIfTestPoint(const TPCBObject& object) {
  if (object.GetTestPointTop() || object.GetTestPointBottom())
    FTestPoints.Emplace<TSpecctraTestPoint>(this)->ImportFromHostObject(object);
}

bool TSpecctraTestpointsDescriptor::ExportToFile() {
  TSpecctraWriter& writer = *Writer();
  writer.WriteLine("(test_points ", true);
  writer.IndentIn(1);
  ExportAllToFile(&FTestPoints);
  writer.IndentOut(1);
  writer.WriteLine(")", true);
  return true;
}
