#include "model/files/SpecctraFile.h"

#include <exception>

#include "model/library/DsnLibraryDescriptor.h"
#include "rtl/PcbBoardCalls.h"
#include "specctra_io/SpecctraParser.h"

namespace {
bool gBoardUnitIsMils = true;
}

bool BoardUnitIsMils() { return gBoardUnitIsMils; }

TSpecctraFile::TSpecctraFile(PcbHandle board, TSpecctraWriter* writer, TSpecctraParser* parser,
                             std::string fileName)
    : TSpecctraObject(nullptr),
      FBoard(board),
      FFileName(std::move(fileName)),
      FReportManager(std::make_unique<TReportManager>(FFileName)) {
  SetWriter(writer);
  SetParser(parser);
  SetReport(FReportManager.get());
  InitHostHandle();
  FReportManager->StartTimer();
  if (parser) parser->SetReport(FReportManager.get());
  FParserSection = std::make_unique<TSpecctraParserDescriptor>(this);
  PcbBoardRecord record{};
  if (QueryPcbBoardRecord(kPcbMessageRead, board, record) == kPcbOk)
    gBoardUnitIsMils = record.unitMils != 0;
}

TSpecctraFile::~TSpecctraFile() {
  // The parser outlives the file; it must not keep the report that goes away with it.
  if (Parser() && Parser()->Report() == FReportManager.get()) Parser()->SetReport(nullptr);
}

void TSpecctraFile::Finish() {
  FReportManager->StopTimer();
  FReportManager->Finish();
}

bool TSpecctraFile::TranslateAndFinish(const std::function<bool()>& translation) {
  bool result = false;
  try {
    result = translation();
  } catch (const std::exception& error) {
    FReportManager->AddError(error.what());
    FReportManager->StopTimer();
    try {
      FReportManager->Finish();
    } catch (...) {
      // The translation's own exception is the one the command reports.
    }
    throw;
  }
  Finish();
  return result;
}

TSpecctraRuleCollection* TSpecctraFile::GetRuleCollection() {
  if (!FRuleCollection) FRuleCollection = std::make_unique<TSpecctraRuleCollection>(this);
  return FRuleCollection.get();
}

TSpecctraObject* TSpecctraFile::FindLayer(std::string_view name) {
  return FStructure ? FStructure->LayerStack().FindLayer(name) : nullptr;
}

TSpecctraObject* TSpecctraFile::FindPadstack(std::string_view name) {
  return FLibrary ? FLibrary->FindPadstack(name) : nullptr;
}

TSpecctraObject* TSpecctraFile::FindImage(std::string_view name) {
  const auto* library = dynamic_cast<const TSpecctraDSNLibraryDescriptor*>(FLibrary.get());
  return library ? library->FindImage(name) : nullptr;
}

void TSpecctraFile::EnsureStructureSection() {
  if (!FStructure) FStructure = CreateStructureSection();
}
void TSpecctraFile::EnsureLibrarySection() {
  if (!FLibrary) FLibrary = CreateLibrarySection();
}
void TSpecctraFile::EnsureNetworkSection() {
  if (!FNetwork) FNetwork = CreateNetworkSection();
}

bool TSpecctraFile::LoadSection(TSpecctraObject& section) {
  const bool result = section.LoadFromFile();
  DecreaseDepth();
  return result;
}

bool TSpecctraFile::LoadParserSection() { return LoadSection(*FParserSection); }

bool TSpecctraFile::LoadStructureSection() {
  EnsureStructureSection();
  return LoadSection(*FStructure);
}

bool TSpecctraFile::LoadLibrarySection() {
  EnsureLibrarySection();
  return LoadSection(*FLibrary);
}

bool TSpecctraFile::LoadNetworkSection() {
  EnsureNetworkSection();
  return LoadSection(*FNetwork);
}
