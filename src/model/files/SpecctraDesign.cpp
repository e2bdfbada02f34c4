#include "model/files/SpecctraDesign.h"

#include <climits>
#include <cstdlib>

#include "common/SafeFile.h"
#include "model/base/EmbeddedStorage.h"
#include "model/library/DsnLibraryDescriptor.h"
#include "model/network/DsnNetworkDescriptor.h"
#include "rtl/TranslationState.h"
#include "rtl/PcbProgress.h"
#include "specctra_io/SpecctraParser.h"

namespace {

// The path made absolute and free of "." and ".." parts, so that one file has one name.
std::string CanonicalPath(const std::string& path) {
  char resolved[PATH_MAX];
  return ::realpath(path.c_str(), resolved) ? std::string(resolved) : path;
}

}  // namespace

TSpecctraDesign::TSpecctraDesign(PcbHandle board, TSpecctraParser* parser, std::string fileName)
    : TSpecctraFile(board, nullptr, parser, std::move(fileName)),
      FCapacitance(std::make_unique<TCapacitanceResolutionDescriptor>(this)),
      FConductance(std::make_unique<TConductanceResolutionDescriptor>(this)),
      FCurrent(std::make_unique<TCurrentResolutionDescriptor>(this)),
      FInductance(std::make_unique<TInductanceResolutionDescriptor>(this)),
      FResistance(std::make_unique<TResistanceResolutionDescriptor>(this)),
      FDimension(std::make_unique<TDimensionResolutionDescriptor>(this)),
      FVoltage(std::make_unique<TVoltageResolutionDescriptor>(this)),
      FTime(std::make_unique<TTimeResolutionDescriptor>(this)),
      FPlacement(std::make_unique<TSpecctraPlacementDescriptor>(this)) {
  EnsureStructureSection();
  FFilesRead.insert(CanonicalPath(FileName()));
}

std::unique_ptr<TSpecctraAbstractStructureDescriptor> TSpecctraDesign::CreateStructureSection() {
  return std::make_unique<TSpecctraDSNStructureDescriptor>(this);
}
std::unique_ptr<TSpecctraAbstractLibraryDescriptor> TSpecctraDesign::CreateLibrarySection() {
  return std::make_unique<TSpecctraDSNLibraryDescriptor>(this);
}
std::unique_ptr<TSpecctraFileSectionDescriptor> TSpecctraDesign::CreateNetworkSection() {
  return std::make_unique<TSpecctraDsnNetworkDescriptor>(this);
}

TSpecctraObject* TSpecctraDesign::FindComponent(std::string_view name) {
  return FPlacement ? FPlacement->Instances().FindByName(name) : nullptr;
}

TSpecctraDSNStructureDescriptor* TSpecctraDesign::DsnStructure() {
  return static_cast<TSpecctraDSNStructureDescriptor*>(StructureSection());
}

bool TSpecctraDesign::CheckFileStart() {
  TSpecctraParser& parser = *Parser();
  if (parser.NextToken() != tkOpenParen) {
    ReportError("Not a valid DSN file.");
    return false;
  }
  if (!parser.ExpectToken(tkPcb)) {
    ReportError("Not a valid DSN file. Expected <pcb> as second keyword.");
    return false;
  }
  return true;
}

bool TSpecctraDesign::LoadFromFile() {
  if (!Parser() || !CheckFileStart()) return false;
  TSpecctraParser& parser = *Parser();
  // The design's name runs up to the first statement.
  while (!parser.EndOfInput() && parser.NextToken() != tkOpenParen) {
  }
  SetBlockDepth(2);
  while (!parser.EndOfInput() && !parser.Aborted() && BlockDepth() > 0 && !FStopped)
    LoadStatement(parser.NextToken());
  return true;
}

void TSpecctraDesign::LoadStatement(int32_t id) {
  TSpecctraParser& parser = *Parser();
  switch (id) {
    case KeywordId("parser"): LoadParserSection(); break;
    case KeywordId("resolution"):
      LoadResolutionStatement(*FDimension);
      if (UnitKind() == uNone) SetUnitKind(FDimension->Unit());
      break;
    case KeywordId("unit"): SetUnitKind(UnitFromToken(*this, parser.NextToken())); break;
    case KeywordId("structure"): LoadStructureSection(); break;
    case KeywordId("library"): LoadLibrarySection(); break;
    case KeywordId("network"): LoadNetworkSection(); break;
    case KeywordId("placement"): LoadOptionalSection(FPlacement); break;
    case KeywordId("floor_plan"): LoadOptionalSection(FFloorPlan); break;
    case KeywordId("part_library"): LoadOptionalSection(FPartLibrary); break;
    case KeywordId("wiring"): LoadOptionalSection(FWiring); break;
    case KeywordId("capacitance_resolution"): LoadResolutionStatement(*FCapacitance); break;
    case KeywordId("conductance_resolution"): LoadResolutionStatement(*FConductance); break;
    case KeywordId("current_resolution"): LoadResolutionStatement(*FCurrent); break;
    case KeywordId("inductance_resolution"): LoadResolutionStatement(*FInductance); break;
    case KeywordId("resistance_resolution"): LoadResolutionStatement(*FResistance); break;
    case KeywordId("time_resolution"): LoadResolutionStatement(*FTime); break;
    case KeywordId("voltage_resolution"): LoadResolutionStatement(*FVoltage); break;
    case KeywordId("colors"):
      ReportLine("Custom color settings are not supported and not loaded.");
      SkipUnknownBlock();
      DecreaseDepth();
      break;
    case KeywordId("file"): FStopped = !ContinueWithFile(); break;
    default: HandleToken(); break;
  }
}

// Constants, board offset and padstacks of an earlier import would otherwise sit beside this
// import's records, and an export would read the old ones. Via-tag chunks are no translator
// data objects and stay.
void TSpecctraDesign::RemoveOldTranslatorData() {
  const PcbHandle board = GetBoardHandle();
  if (FindTranslatorObject(board, kPadstackListType))
    ReportWarning("Board  already contains padstack definitions which will be deleted.");
  DeleteTranslatorData(board);
}

void TSpecctraDesign::LoadResolutionStatement(TResolutionDescriptor& resolution) {
  LoadSection(resolution);
}

template <class Section>
void TSpecctraDesign::LoadOptionalSection(std::unique_ptr<Section>& section) {
  if (!section) section = std::make_unique<Section>(this);
  LoadSection(*section);
}

bool TSpecctraDesign::ContinueWithFile() {
  TSpecctraParser& parser = *Parser();
  std::string name = parser.NextTokenText();
  // A relative name is taken from the folder of the file being read; unquoted names come
  // upper-cased, so the file is found ignoring letter case.
  if (!name.empty() && name[0] != '/') {
    const std::string folder = FolderOfPath(parser.Input() ? parser.Input()->FileName() : FileName());
    const std::string found = FindFileIgnoringCase(folder, name);
    name = found.empty() ? folder + "/" + name : found;
  }
  const std::string canonical = CanonicalPath(name);
  if (!FFilesRead.insert(canonical).second) {
    ReportError("The file statement in line " + std::to_string(parser.Line()) + " leads back to " +
                name + ", which is already being read; the design is read no further.");
    return false;
  }
  parser.OpenFile(name);
  return true;
}

bool TSpecctraDesign::ExportToPcb() {
  RemoveOldTranslatorData();
  ParserSection().ExportToPcb();
  if (StructureSection()) StructureSection()->ExportToPcb();
  else ReportError("Structure not loaded, can't export to PCB.");
  if (NetworkSection()) NetworkSection()->ExportToPcb();
  else ReportError("Netlist not loaded, can't export to PCB.");
  if (LibrarySection()) LibrarySection()->ExportToPcb();
  else ReportError("Library not loaded, can't export to PCB.");
  if (FPlacement) FPlacement->ExportToPcb();
  else ReportError("Placement section not loaded, can't export to PCB.");
  GetRuleCollection()->ExportToPcb();
  if (FWiring) FWiring->ExportToPcb();
  PcbProgressFinish();
  return true;
}
