#include "model/library/ViaPadstackFacts.h"

#include "model/files/SpecctraFile.h"
#include "model/library/AbstractLibraryDescriptor.h"
#include "model/library/SpecctraPadstack.h"

namespace {

TSpecctraFile* FileOf(TSpecctraObject& from) {
  return dynamic_cast<TSpecctraFile*>(from.TopObject());
}

}  // namespace

bool HasLibrarySection(TSpecctraObject& from) {
  const TSpecctraFile* file = FileOf(from);
  return file && file->LibrarySection();
}

std::optional<std::vector<TViaPadstackFacts>> LibraryViaPadstacks(TSpecctraObject& from) {
  TSpecctraFile* file = FileOf(from);
  if (!file || !file->LibrarySection()) return std::nullopt;
  std::vector<TViaPadstackFacts> padstacks;
  auto* library = dynamic_cast<TSpecctraAbstractLibraryDescriptor*>(file->LibrarySection());
  for (int32_t i = 0; library && i < library->PadstackCount(); ++i)
    padstacks.push_back(*ViaPadstackFactsOf(library->PadstackAt(i)));
  return padstacks;
}

std::optional<TViaPadstackFacts> ViaPadstackFactsOf(TSpecctraObject* object) {
  auto* padstack = dynamic_cast<TSpecctraPadstack*>(object);
  if (!padstack) return std::nullopt;
  TViaPadstackFacts facts;
  facts.Name = padstack->Name();
  facts.IsVia = padstack->IsVia();
  facts.IsSpare = padstack->IsSpareVia();
  facts.HasGeometry =
      padstack->ViaGeometry(facts.TopLayer, facts.BottomLayer, facts.Diameter);
  return facts;
}

std::optional<TViaPadstackFacts> FindViaPadstackFacts(TSpecctraObject& from,
                                                      std::string_view name) {
  TSpecctraFile* file = FileOf(from);
  return file ? ViaPadstackFactsOf(file->FindPadstack(name)) : std::nullopt;
}

const TViaPadstackFacts* ChooseBestViaPadstack(std::span<const TViaPadstackFacts> padstacks,
                                               PcbLayerNumber low, PcbLayerNumber high,
                                               int32_t size, bool allowSpare) {
  const TViaPadstackFacts* fallback = nullptr;
  const TViaPadstackFacts* closest = nullptr;
  int64_t smallestGap = size;
  for (const TViaPadstackFacts& padstack : padstacks) {
    if (!padstack.IsVia || (padstack.IsSpare && !allowSpare) || !padstack.HasGeometry) continue;
    const bool sameSpan = (padstack.TopLayer == low && padstack.BottomLayer == high) ||
                          (padstack.TopLayer == high && padstack.BottomLayer == low);
    if (!sameSpan) continue;
    if (!fallback) fallback = &padstack;
    if (padstack.Diameter == size) return &padstack;
    const int64_t gap = static_cast<int64_t>(size) - padstack.Diameter;
    if (padstack.Diameter < size && gap < smallestGap) {
      smallestGap = gap;
      closest = &padstack;
    }
  }
  return closest ? closest : fallback;
}
