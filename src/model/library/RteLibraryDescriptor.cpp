#include "model/library/RteLibraryDescriptor.h"

#include "common/AsciiText.h"
#include "model/base/EmbeddedStorage.h"
#include "model/base/SpecctraText.h"
#include "rtl/HostClient.h"
#include "rtl/Parameters.h"
#include "rtl/PcbEmbedded.h"
#include "rtl/PcbIteration.h"
#include "rtl/TranslationState.h"
#include "specctra_io/NumberParsing.h"
#include "specctra_io/SpecctraWriter.h"

namespace {

// The stored index of a padstack record; nothing for any other embedded object.
std::optional<int32_t> StoredPadstackIndex(const std::string& name) {
  if (!SameTextIgnoringCase(GetShortParameter(name, "Server"), kTranslatorServer) ||
      !SameTextIgnoringCase(GetShortParameter(name, "Type"), kPadstackRecordType))
    return std::nullopt;
  return ParseSpecctraInteger(GetShortParameter(name, "IDX"));
}

}  // namespace

bool TSpecctraRteLibraryDescriptor::ImportFromPcb() {
  const PcbHandle board = GetBoardHandle();
  const PcbHandle list = FindTranslatorObject(board, kPadstackListType);
  if (!list) {
    if (!TranslationState().ImportingDesign)
      HostShowMessage(host::TMessageKind::Information, "Information",
                      "You can export routes only for pcb files previously imported as design "
                      "files.");
    return true;
  }
  TPcbEmbedded record(list);
  record.Update(kPcbMessageRead);
  std::string text;
  std::optional<int32_t> count;
  if (GetParameterValue(record.GetData(), "PDC", text)) count = ParseSpecctraInteger(text);
  if (!count) {
    ReportError("ERROR: Cannot read info on number of stored padstack defs.");
    DeleteTranslatorData(board);
    return true;
  }
  LoadStoredPadstacks(*count);
  return true;
}

void TSpecctraRteLibraryDescriptor::LoadStoredPadstacks(int32_t count) {
  int32_t loads = 0;
  ForEachPcbObject(GetBoardHandle(), kPcbObjectEmbedded, [&](PcbHandle handle) {
    TPcbEmbedded object(handle);
    object.Update(kPcbMessageRead);
    const std::string name = object.GetName();
    const std::optional<int32_t> index = StoredPadstackIndex(name);
    if (!index) return;
    if (*index < 0 || *index >= count) {
      ReportError("Padstack index out of range: (" + std::to_string(count) + ") (" + name + ").");
      return;
    }
    auto padstack = std::make_unique<TSpecctraPadstack>(this);
    if (padstack->LoadFromEmbedded(handle))
      AddPadstack(std::move(padstack));
    else
      KeepFailedPadstack(std::move(padstack));
    ++loads;
  });
  if (loads < count)
    ReportError("Cannot load all stored padstacks (S: " + std::to_string(count) +
                ") (L: " + std::to_string(loads) + ").");
}

bool TSpecctraRteLibraryDescriptor::ExportToFile() {
  TSpecctraWriter& writer = *Writer();
  writer.WriteLine("(library_out ", true);
  writer.IndentIn(1);
  for (int32_t i = 0; i < PadstackCount(); ++i)
    if (!PadstackAt(i)->ExportToFile()) break;
  writer.IndentOut(1);
  writer.WriteLine(")", true);
  return true;
}
