#include "model/geometry/SpecctraFilledPolyShape.h"

#include "model/base/SpecctraText.h"
#include "specctra_io/SpecctraWriter.h"

bool TSpecctraFilledPolyShape::LoadFromFile() {
  const bool result = TSpecctraPolyLineShape::LoadFromFile();
  Normalize();
  return result;
}

bool TSpecctraFilledPolyShape::ExportToFile() {
  TSpecctraWriter& writer = *Writer();
  writer.Write("(polygon ", true);
  writer.IndentIn(1);
  writer.WriteLine(QuoteName(FLayerName) + " " + FileLength(Width()), false);
  writer.IndentIn(1);
  for (const TVertex& vertex : FVertices)
    writer.WriteLine(FileX(vertex.X) + " " + FileY(vertex.Y), true);
  writer.IndentOut(1);
  if (SquareAperture()) writer.WriteLine("(aperture_type square)", true);
  writer.IndentOut(1);
  writer.Write(")", true);
  return true;
}
