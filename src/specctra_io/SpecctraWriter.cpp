#include "specctra_io/SpecctraWriter.h"

#include "report/LockedFiles.h"

namespace {
constexpr std::string_view kBlankMarker = "~SP~";
constexpr char kBlankByte = 0x1F;
}  // namespace

void TSpecctraWriter::Write(std::string_view text, bool indented) {
  if (indented && FIndent > 0) FBuffer.append(static_cast<std::size_t>(FIndent), ' ');
  std::size_t start = 0;
  for (std::size_t marker = text.find(kBlankMarker); marker != std::string_view::npos;
       marker = text.find(kBlankMarker, start)) {
    FBuffer.append(text.substr(start, marker - start));
    FBuffer += kBlankByte;
    start = marker + kBlankMarker.size();
  }
  FBuffer.append(text.substr(start));
}

void TSpecctraWriter::WriteLine(std::string_view text, bool indented) {
  Write(text, indented);
  FBuffer += "\r\n";
}

bool TSpecctraWriter::Save() { return GuardedSaveBuffer(FBuffer, FFileName); }
