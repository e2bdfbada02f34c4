#include "model/structure/StructureDescriptors.h"

#include <cmath>
#include <cstdlib>
#include <optional>

#include "common/NumberFormat.h"
#include "common/ParameterText.h"
#include "model/base/BoardHelpers.h"
#include "model/base/EmbeddedStorage.h"
#include "model/files/SpecctraFile.h"
#include "model/library/ViaPadstackFacts.h"
#include "model/library/ViaStyleRule.h"
#include "model/structure/SpecctraKeepout.h"
#include "model/structure/SpecctraRegion.h"
#include "model/structure/SpecctraSplitPlaneShape.h"
#include "rtl/TranslationState.h"
#include "rtl/HostUnits.h"
#include "rtl/PcbBoardCalls.h"
#include "rtl/PcbEmbedded.h"
#include "specctra_io/NumberParsing.h"
#include "specctra_io/SpecctraParser.h"
#include "specctra_io/SpecctraWriter.h"

namespace {

constexpr std::string_view kBoardOffsetType = "BoardOffset";
constexpr uint8_t kHostRoutingViaRule = 11;

bool IsPendingStructureElement(int32_t id) {
  switch (id) {
    case KeywordId("place_boundary"):
      return true;
    default:
      return false;
  }
}

// A stored offset value: 0 with the error when it is not a number.
double StoredOffset(const TParameterList& description, std::string_view name,
                    TSpecctraObject& reporter, std::string_view error) {
  const TParameter* found = FindParameter(description, name);
  if (!found) return 0;
  char* end = nullptr;
  const double value = std::strtod(found->Value.c_str(), &end);
  if (found->Value.empty() || *end != '\0' || !std::isfinite(value)) {
    reporter.ReportError(error);
    return 0;
  }
  return value;
}

}  // namespace

TSpecctraDSNStructureDescriptor::TSpecctraDSNStructureDescriptor(TSpecctraObject* owner)
    : TSpecctraAbstractStructureDescriptor(owner) {
  SetName("PCB");
}

bool TSpecctraDSNStructureDescriptor::LoadFromFile() {
  bool result = true;
  const bool loopResult = RunParseLoop([&](int32_t id) {
    if (IsPendingStructureElement(id)) {
      result = LoadPendingElement() && result;
      return true;
    }
    switch (id) {
      case KeywordId("layer"):
        result = FLayerStack->LoadLayer() && result;
        DecreaseDepth();
        return true;
      case KeywordId("layer_noise_weight"): result = LoadLayerNoiseWeights() && result; return true;
      case KeywordId("boundary"):
        result = FBoundary->LoadFromFile() && result;
        DecreaseDepth();
        return true;
      case KeywordId("keepout"):
      case KeywordId("bend_keepout"):
      case KeywordId("elongate_keepout"):
      case KeywordId("place_keepout"):
      case KeywordId("via_keepout"):
      case KeywordId("wire_keepout"):
      case KeywordId("plane"):
      case KeywordId("region"): result = LoadAreaElement(id) && result; return true;
      case KeywordId("via"): result = LoadViaNames() && result; return true;
      case KeywordId("control"):
        result = FControl->LoadFromFile() && result;
        DecreaseDepth();
        return true;
      case KeywordId("grid"):
        result = FGrids->LoadGrid() && result;
        DecreaseDepth();
        return true;
      case KeywordId("rule"): result = LoadRule() && result; return true;
      case KeywordId("layer_rule"): result = LoadLayerRule() && result; return true;
      case KeywordId("place_rule"): result = LoadPlaceRule() && result; return true;
      case KeywordId("resolution"): result = LoadResolution() && result; return true;
      case KeywordId("unit"): SetUnitKind(UnitFromToken(*this, Parser()->NextToken())); return true;
      default: return false;
    }
  });
  result = loopResult && result;
  if (result) ApplyBoardOffset(DesignExtent());
  return result;
}

bool TSpecctraDSNStructureDescriptor::LoadPendingElement() {
  TSpecctraObject element(this);
  const bool result = element.LoadFromFile();
  DecreaseDepth();
  return result;
}

bool TSpecctraDSNStructureDescriptor::LoadAreaElement(int32_t id) {
  std::unique_ptr<TSpecctraObject> element;
  TSpecctraList* list = &FKeepouts;
  if (id == KeywordId("plane")) {
    element = std::make_unique<TSpecctraSplitPlaneShape>(this);
    list = &FPlanes;
  } else if (id == KeywordId("region")) {
    element = std::make_unique<TSpecctraRegion>(this);
    list = &FRegions;
  } else {
    element = std::make_unique<TSpecctraKeepout>(this);
  }
  const bool result = element->LoadFromFile();
  if (result)
    list->Add(std::move(element));
  else if (list == &FRegions)
    FFailedRegions.Add(std::move(element));  // its rule scopes still point at it
  DecreaseDepth();
  return result;
}

// (via name ... (spare name ...)): names after "spare" are marked spare; any other nested
// keyword stops all loading.
bool TSpecctraDSNStructureDescriptor::LoadViaNames() {
  TSpecctraParser& parser = *Parser();
  bool spare = false;
  int32_t nested = 0;
  while (!StopRequested()) {
    const int32_t id = parser.NextToken();
    if (id == tkCloseParen) {
      if (nested == 0) break;
      --nested;
    } else if (id == tkOpenParen) {
      if (!parser.ExpectToken(KeywordId("spare"))) {
        TranslationState().AbortParsing = true;
        DecreaseDepth();
        return false;
      }
      spare = true;
      ++nested;
    } else {
      FViaNames.push_back({parser.TokenText(), spare});
    }
  }
  DecreaseDepth();
  return true;
}

// (layer_noise_weight (layer_pair NAME NAME WEIGHT) ...): kept, not translated.
bool TSpecctraDSNStructureDescriptor::LoadLayerNoiseWeights() {
  TSpecctraParser& parser = *Parser();
  bool result = true;
  for (int32_t id = parser.NextToken(); id != tkCloseParen && !StopRequested();
       id = parser.NextToken()) {
    if (id == tkOpenParen && parser.NextToken() == KeywordId("layer_pair")) {
      result = LoadLayerPair() && result;
      continue;
    }
    parser.ReportUnexpected();
    result = false;
    // The rest of a block that is no layer pair is passed over.
    if (id == tkOpenParen && parser.CurrentId() != tkCloseParen) {
      if (parser.CurrentId() == tkOpenParen) parser.SkipBlock();
      parser.SkipBlock();
    }
  }
  DecreaseDepth();
  return result;
}

// (layer_pair NAME NAME WEIGHT), after its keyword.
bool TSpecctraDSNStructureDescriptor::LoadLayerPair() {
  TSpecctraParser& parser = *Parser();
  const int32_t line = parser.Line();
  std::vector<std::string> words;
  bool nestedBlock = false;
  for (int32_t id = parser.NextToken(); id != tkCloseParen && !StopRequested();
       id = parser.NextToken()) {
    if (id == tkOpenParen) {
      parser.ReportUnexpected();
      parser.SkipBlock();
      nestedBlock = true;
    } else {
      words.push_back(parser.TokenText());
    }
  }
  const std::optional<double> weight =
      words.size() == 3 && !nestedBlock ? ParseSpecctraReal(words[2]) : std::nullopt;
  if (!weight) {
    ReportError("Layer pair in line " + std::to_string(line) +
                " needs two layer names and a weight.");
    return false;
  }
  FLayerNoiseWeights.push_back({words[0], words[1], *weight});
  return true;
}

void TSpecctraDSNStructureDescriptor::ApplyBoardOffset(const TSpecctraExtent& extent) {
  const TBoardExtent hostExtent{ToBoardX(extent.MinX), ToBoardY(extent.MinY),
                                ToBoardX(extent.MaxX), ToBoardY(extent.MaxY)};
  const TBoardOffset offset = ComputeBoardOffset(hostExtent);
  if (!offset.Fits) return;
  FBoardOffset = {offset.X, offset.Y};
  AddToBoardOffset(offset.X, offset.Y);
  const TTranslationState& state = TranslationState();
  if (state.BoardOffsetX != 0 || state.BoardOffsetY != 0)
    ReportWarning("Board offseted to fit in Velor workspace. Please check current board origin");
}

bool TSpecctraDSNStructureDescriptor::ExportToPcb() {
  const PcbHandle board = GetBoardHandle();
  if (FBoardOffset.X != 0 || FBoardOffset.Y != 0)
    StoreTranslatorRecord(board, kBoardOffsetType, {},
                          {{"X", FormatNumber(FBoardOffset.X)}, {"Y", FormatNumber(FBoardOffset.Y)}});
  PcbBoardRecord record{};
  QueryPcbBoardRecord(kPcbMessageRead, board, record);
  record.originX = RoundToHostUnits(FBoardOffset.X);
  record.originY = RoundToHostUnits(FBoardOffset.Y);
  QueryPcbBoardRecord(kPcbMessageWrite, board, record);

  FLayerStack->ExportToPcb();
  // Without layers there is nothing to route on: the board's rule is left as it is.
  if (FLayerStack->LayerCount() > 0) FLayerStack->UpdateRoutingLayersRule();

  auto* file = dynamic_cast<TSpecctraFile*>(TopObject());
  if (!file || !file->LibrarySection()) {
    ReportError("Invalid library reference returned, while tryng to create board level routing "
                "via styles.");
  } else if (!FViaNames.empty()) {
    ExportViaStyles(*file, board);
  }
  ExportAllToPcb(&FPlanes);
  ExportAllToPcb(&FKeepouts);
  FBoundary->ExportToPcb();
  // Grid settings the host refuses leave the structure's export standing.
  FGrids->ExportToPcb();
  return true;
}

// The board's routing via styles are replaced by one per listed via padstack that is not
// spare; a board whose list names no usable padstack keeps the styles it has.
void TSpecctraDSNStructureDescriptor::ExportViaStyles(TSpecctraFile& file, PcbHandle board) {
  std::vector<TViaPadstackFacts> styles;
  for (const TViaPadstackName& via : FViaNames) {
    if (via.Spare) continue;
    TSpecctraObject* found = file.FindPadstack(via.Name);
    if (!found) {
      ReportError("Invalid padstack reference returned for: " + via.Name +
                  ", while tryng to create board level routing via styles.");
      continue;
    }
    std::optional<TViaPadstackFacts> padstack = ViaPadstackFactsOf(found);
    if (padstack && padstack->IsVia && !padstack->IsSpare && padstack->HasGeometry)
      styles.push_back(std::move(*padstack));
  }
  if (styles.empty()) return;
  DeleteHostRules(kHostRoutingViaRule, board);
  for (const TViaPadstackFacts& padstack : styles) CreateViaStyleRule(board, padstack, "PCB", "");
}

bool TSpecctraRTEStructureDescriptor::ImportFromPcb() {
  ImportBoardOffset();
  return FLayerStack->BuildFromBoard();
}

void TSpecctraRTEStructureDescriptor::ImportBoardOffset() {
  const PcbHandle record = FindTranslatorObject(GetBoardHandle(), kBoardOffsetType);
  if (!record) return;
  TPcbEmbedded embedded(record);
  embedded.Update(kPcbMessageRead);
  const TParameterList description = ParseParameters(embedded.GetData());
  FBoardOffset.X = StoredOffset(description, "X", *this,
                                "Retreiving stored X value for board offset");
  FBoardOffset.Y = StoredOffset(description, "Y", *this,
                                "Retreiving stored Y value for board offset");
  AddToBoardOffset(FBoardOffset.X, FBoardOffset.Y);
}

bool TSpecctraRTEStructureDescriptor::ExportToFile() {
  TSpecctraWriter& writer = *Writer();
  writer.WriteLine("(structure_out ", true);
  writer.IndentIn(1);
  FLayerStack->ExportToFile();
  writer.IndentOut(1);
  writer.WriteLine(")", true);
  return true;
}
