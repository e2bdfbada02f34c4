#include "model/files/SpecctraRoutes.h"

#include <algorithm>

#include "model/library/RteLibraryDescriptor.h"
#include "model/network/RteNetworkDescriptor.h"
#include "specctra_io/SpecctraWriter.h"

std::string BlanksToUnderscores(std::string name) {
  std::replace(name.begin(), name.end(), ' ', '_');
  return name;
}

std::string ChangeExtension(const std::string& name, const std::string& extension) {
  const std::size_t slash = name.rfind('/');
  const std::size_t dot = name.rfind('.');
  const bool hasExtension = dot != std::string::npos && (slash == std::string::npos || dot > slash);
  return (hasExtension ? name.substr(0, dot) : name) + extension;
}

TSpecctraRoutes::TSpecctraRoutes(PcbHandle board, TSpecctraWriter* writer, std::string fileName)
    : TSpecctraFile(board, writer, nullptr, std::move(fileName)),
      FDimension(std::make_unique<TDimensionResolutionDescriptor>(this)),
      FTestpoints(std::make_unique<TSpecctraTestpointsDescriptor>(this)) {}

std::unique_ptr<TSpecctraAbstractStructureDescriptor> TSpecctraRoutes::CreateStructureSection() {
  return std::make_unique<TSpecctraRTEStructureDescriptor>(this);
}
std::unique_ptr<TSpecctraAbstractLibraryDescriptor> TSpecctraRoutes::CreateLibrarySection() {
  return std::make_unique<TSpecctraRteLibraryDescriptor>(this);
}
std::unique_ptr<TSpecctraFileSectionDescriptor> TSpecctraRoutes::CreateNetworkSection() {
  return std::make_unique<TSpecctraRteNetworkDescriptor>(this);
}

bool TSpecctraRoutes::ImportFromPcb() {
  EnsureLibrarySection();
  EnsureNetworkSection();
  EnsureStructureSection();
  FDimension->ImportFromPcb();
  ParserSection().ImportFromPcb();
  StructureSection()->ImportFromPcb();
  LibrarySection()->ImportFromPcb();
  NetworkSection()->ImportFromPcb();
  FTestpoints->ImportFromPcb();
  return true;
}

bool TSpecctraRoutes::ExportToFile() {
  TSpecctraWriter& writer = *Writer();
  writer.WriteLine("(routes ", true);
  writer.IndentIn(1);
  FDimension->ExportToFile();
  ParserSection().ExportToFile();
  EnsureStructureSection();
  EnsureLibrarySection();
  EnsureNetworkSection();
  StructureSection()->ExportToFile();
  LibrarySection()->ExportToFile();
  NetworkSection()->ExportToFile();
  FTestpoints->ExportToFile();
  writer.IndentOut(1);
  writer.WriteLine(")", true);
  return true;
}

void TSpecctraRoutes::Finish() {
  if (Writer()) Writer()->Save();
  TSpecctraFile::Finish();
}

TSpecctraSessionFile::TSpecctraSessionFile(PcbHandle board, TSpecctraWriter* writer,
                                           std::string fileName)
    : TSpecctraRoutes(board, writer, std::move(fileName)),
      FPlacement(std::make_unique<TOutComponentPlacementDescriptor>(this)) {}

bool TSpecctraSessionFile::ImportFromPcb() {
  const bool routes = TSpecctraRoutes::ImportFromPcb();
  return FPlacement->ImportFromPcb() && routes;
}

bool TSpecctraSessionFile::ExportToFile() {
  TSpecctraWriter& writer = *Writer();
  const std::string name = BlanksToUnderscores(FileName());
  writer.WriteLine("(session " + name, true);
  writer.IndentIn(2);
  writer.WriteLine("(base_design " + ChangeExtension(name, ".dsn") + ")", true);
  writer.WriteLine("(placement ", true);
  writer.IndentIn(1);
  DimensionResolution().ExportToFile();
  FPlacement->ExportToFile();
  writer.IndentOut(1);
  writer.WriteLine(")", true);
  TSpecctraRoutes::ExportToFile();
  writer.IndentOut(2);
  writer.WriteLine(")", true);
  return true;
}
