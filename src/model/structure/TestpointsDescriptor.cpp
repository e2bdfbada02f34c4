#include "model/structure/TestpointsDescriptor.h"

#include <memory>

#include "model/structure/SpecctraTestPoint.h"
#include "rtl/ObjectFactory.h"
#include "rtl/PcbIteration.h"
#include "specctra_io/SpecctraWriter.h"

bool TSpecctraTestpointsDescriptor::ImportFromPcb() {
  const PcbHandle board = GetBoardHandle();
  for (const uint8_t kind : {kPcbObjectPad, kPcbObjectVia}) {
    ForEachPcbObject(board, kind, [&](PcbHandle handle) {
      const std::unique_ptr<TPCBObject> object = CreatePcbObjectFromHandle(handle);
      if (!object || !(object->GetTestPointTop() || object->GetTestPointBottom())) return;
      FTestPoints.Emplace<TSpecctraTestPoint>(this)->ImportFromHostObject(*object);
    });
  }
  return true;
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
