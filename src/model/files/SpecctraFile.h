// The top of a translation's owner tree: the host board, the file's name, its report, rule
// collection and sections. A design is read from a file and built on the board; routes and
// session files are filled from the board and written.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "model/files/FileSection.h"
#include "model/files/ParserDescriptor.h"
#include "model/library/AbstractLibraryDescriptor.h"
#include "model/rules/RuleCollection.h"
#include "model/structure/StructureDescriptors.h"
#include "report/ReportManager.h"

class TSpecctraFile : public TSpecctraObject {
public:
  // Creates the report for the file name (timing starts) and the parser section, and reads
  // the board's unit flag.
  TSpecctraFile(PcbHandle board, TSpecctraWriter* writer, TSpecctraParser* parser,
                std::string fileName);
  ~TSpecctraFile() override;
  std::string_view ClassName() const override { return "TSpecctraFile"; }

  PcbHandle GetBoardHandle() const override { return FBoard; }
  TSpecctraRuleCollection* GetRuleCollection() override;

  const std::string& FileName() const { return FFileName; }
  TSpecctraParserDescriptor& ParserSection() { return *FParserSection; }
  TSpecctraAbstractStructureDescriptor* StructureSection() const { return FStructure.get(); }
  TSpecctraAbstractLibraryDescriptor* LibrarySection() const { return FLibrary.get(); }
  TSpecctraFileSectionDescriptor* NetworkSection() const { return FNetwork.get(); }
  // The structure's layer of that name (see TSpecctraLayerStack::FindLayer), or nil.
  TSpecctraObject* FindLayer(std::string_view name) override;
  // The library's padstack (a TSpecctraPadstack) of that name, or nil.
  virtual TSpecctraObject* FindPadstack(std::string_view name);
  // The design library's image of that name, or nil (routes and session files have none).
  virtual TSpecctraObject* FindImage(std::string_view name);

  // Ends the run: stops the report's timer and writes the report (when reports are on).
  // Owners call it before freeing the file; it may raise when the report cannot be written.
  virtual void Finish();
  // Runs a translation over this file, then Finish. When the translation raises, only the
  // report is written, with what was collected and one error line carrying the reason; the
  // exception then goes on to the command (no half-written routes or session file).
  bool TranslateAndFinish(const std::function<bool()>& translation);
  TReportManager& ReportManager() { return *FReportManager; }

protected:
  virtual std::unique_ptr<TSpecctraAbstractStructureDescriptor> CreateStructureSection() = 0;
  virtual std::unique_ptr<TSpecctraAbstractLibraryDescriptor> CreateLibrarySection() = 0;
  virtual std::unique_ptr<TSpecctraFileSectionDescriptor> CreateNetworkSection() = 0;

  // The loaders of the common sections: create the section when missing, load its block and
  // close it in the file's depth.
  bool LoadParserSection();
  bool LoadStructureSection();
  bool LoadLibrarySection();
  bool LoadNetworkSection();
  // Loads a section's block (after its keyword) and closes it in the file's depth.
  bool LoadSection(TSpecctraObject& section);

  void EnsureStructureSection();
  void EnsureLibrarySection();
  void EnsureNetworkSection();

private:
  PcbHandle FBoard;
  std::string FFileName;
  std::unique_ptr<TReportManager> FReportManager;
  std::unique_ptr<TSpecctraRuleCollection> FRuleCollection;
  std::unique_ptr<TSpecctraParserDescriptor> FParserSection;
  std::unique_ptr<TSpecctraAbstractStructureDescriptor> FStructure;
  std::unique_ptr<TSpecctraAbstractLibraryDescriptor> FLibrary;
  std::unique_ptr<TSpecctraFileSectionDescriptor> FNetwork;
};

// Whether the board shows mils (read from the board when a file object is created).
bool BoardUnitIsMils();
