#include "model/library/DsnLibraryDescriptor.h"

#include <set>
#include <utility>

#include "model/base/EmbeddedStorage.h"
#include "model/files/ResolutionDescriptors.h"
#include "model/files/SpecctraFile.h"
#include "model/library/SpecctraCompImage.h"
#include "model/library/SpecctraJumper.h"
#include "model/library/SpecctraViaArrayTemplate.h"
#include "model/structure/StructureDescriptors.h"
#include "rtl/PcbBoard.h"
#include "specctra_io/SpecctraParser.h"

bool TSpecctraDSNLibraryDescriptor::LoadFromFile() {
  TSpecctraParser& parser = *Parser();
  // A member that fails to load costs its own report lines, not the library's result.
  return RunParseLoop([&](int32_t id) {
    switch (id) {
      case KeywordId("padstack"): ParsePadstack(); return true;
      case KeywordId("image"): ParseImage(); return true;
      case KeywordId("jumper"): ParseJumper(); return true;
      case KeywordId("via_array_template"): ParseViaArrayTemplate(); return true;
      case KeywordId("directory"): LoadDirectories(); return true;
      case KeywordId("extra_image_directory"):
        FExtraImageDirectory = CutText(parser.NextTokenText());
        return true;
      case KeywordId("family_family"):
      case KeywordId("image_image"): ParseFamilyPairs(); return true;
      case KeywordId("unit"): SetUnitKind(UnitFromToken(*this, parser.NextToken())); return true;
      default: return false;
    }
  });
}

template <class Member>
bool TSpecctraDSNLibraryDescriptor::ParseMember(TSpecctraList& list) {
  auto member = std::make_unique<Member>(this);
  const bool loaded = member->LoadFromFile();
  DecreaseDepth();
  if (loaded) list.Add(std::move(member));
  return loaded;
}

bool TSpecctraDSNLibraryDescriptor::ParsePadstack() {
  auto padstack = std::make_unique<TSpecctraPadstack>(this);
  const bool loaded = padstack->LoadFromFile();
  DecreaseDepth();
  if (!loaded) {
    KeepFailedPadstack(std::move(padstack));
    return false;
  }
  TakeViaMarks(*padstack);
  AddPadstack(std::move(padstack));
  return true;
}

bool TSpecctraDSNLibraryDescriptor::ParseImage() {
  return ParseMember<TSpecctraCompImage>(FImages);
}

bool TSpecctraDSNLibraryDescriptor::ParseJumper() {
  return ParseMember<TSpecctraJumper>(FJumpers);
}

bool TSpecctraDSNLibraryDescriptor::ParseViaArrayTemplate() {
  return ParseMember<TSpecctraViaArrayTemplate>(FViaArrayTemplates);
}

bool TSpecctraDSNLibraryDescriptor::ParseFamilyPairs() { return SkipPendingMember(); }

bool TSpecctraDSNLibraryDescriptor::SkipPendingMember() {
  SkipUnknownBlock();
  DecreaseDepth();
  return true;
}

// (directory PATH ...): every word up to the closing parenthesis.
bool TSpecctraDSNLibraryDescriptor::LoadDirectories() {
  TSpecctraParser& parser = *Parser();
  bool result = true;
  for (int32_t id = parser.NextToken(); id != tkCloseParen && !StopRequested();
       id = parser.NextToken()) {
    if (id == tkOpenParen) {
      parser.ReportUnexpected();
      parser.SkipBlock();
      result = false;
      continue;
    }
    FDirectories.push_back(parser.TokenText());
  }
  DecreaseDepth();
  return result;
}

void TSpecctraDSNLibraryDescriptor::TakeViaMarks(TSpecctraPadstack& padstack) {
  auto* file = dynamic_cast<TSpecctraFile*>(TopObject());
  auto* structure =
      file ? dynamic_cast<TSpecctraDSNStructureDescriptor*>(file->StructureSection()) : nullptr;
  if (!structure) return;
  // The marks are filed once per state of the via list, not scanned per padstack.
  const std::vector<TViaPadstackName>& names = structure->ViaPadstackNames();
  for (; FViaMarksFrom < names.size(); ++FViaMarksFrom) {
    const TViaPadstackName& via = names[FViaMarksFrom];
    FViaMarks[via.Name] = FViaMarks[via.Name] || via.Spare;
  }
  const auto found = FViaMarks.find(padstack.Name());
  if (found != FViaMarks.end()) padstack.SetViaMarks(true, found->second);
}

TSpecctraObject* TSpecctraDSNLibraryDescriptor::FindImage(std::string_view name) const {
  return FImages.FindByName(name);
}

bool TSpecctraDSNLibraryDescriptor::ExportToPcb() {
  StorePadstacks();
  CreateDrillPairs();
  return true;
}

void TSpecctraDSNLibraryDescriptor::StorePadstacks() {
  // The design import removed the board's earlier translator data before it stored any of
  // its own; nothing of this import is deleted here.
  int32_t stored = 0;
  for (int32_t i = 0; i < PadstackCount(); ++i)
    if (PadstackAt(i)->StoreToEmbedded(stored)) ++stored;
  StoreTranslatorRecord(GetBoardHandle(), kPadstackListType, {},
                        {{"PDC", std::to_string(stored)}});
}

void TSpecctraDSNLibraryDescriptor::CreateDrillPairs() {
  TPcbBoard board(GetBoardHandle());
  board.Update(kPcbMessageRead);
  std::vector<TPcblayerPair>& pairs = board.LayerPairs();
  pairs.clear();
  std::set<std::pair<uint8_t, uint8_t>> spans;
  for (int32_t i = 0; i < PadstackCount(); ++i) {
    TSpecctraPadstack& padstack = *PadstackAt(i);
    const TSpecctraLayer* top = padstack.TopPadLayer();
    const TSpecctraLayer* bottom = padstack.BottomPadLayer();
    if (!top || !bottom) {
      ReportError("Invalid padstack definition <" + padstack.Name() + ">, no valid pads inside");
      continue;
    }
    const uint8_t from = top->HostLayerId(), to = bottom->HostLayerId();
    if (from == to || !spans.insert(std::minmax(from, to)).second) continue;
    TPcblayerPair& pair = pairs.emplace_back();
    pair.SetName(padstack.Name());
    pair.SetStartLayer(from);
    pair.SetEndLayer(to);
  }
  board.Update(kPcbMessageWrite);
}
