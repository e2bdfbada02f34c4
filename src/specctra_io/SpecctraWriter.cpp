#include "specctra_io/SpecctraWriter.h"

#include "common/SafeFile.h"
#include "report/LockedFiles.h"

namespace {
constexpr std::string_view kBlankMarker = "~SP~";
constexpr char kBlankByte = 0x1F;
// The text is handed to the file in pieces of about this size.
constexpr std::size_t kChunkSize = std::size_t{1} << 20;
}  // namespace

TSpecctraWriter::TSpecctraWriter(std::string fileName) : FFileName(std::move(fileName)) {}

// An unsaved file's temporary file goes with the writer.
TSpecctraWriter::~TSpecctraWriter() = default;

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
  if (FBuffer.size() >= kChunkSize) HandOverChunk();
}

void TSpecctraWriter::WriteLine(std::string_view text, bool indented) {
  Write(text, indented);
  FBuffer += "\r\n";
}

// A temporary file that cannot be made or written fails its later writes and its commit; the
// error is raised by Save. The chunk is dropped all the same, so memory stays bounded.
void TSpecctraWriter::HandOverChunk() {
  if (!FFile) {
    FFile = std::make_unique<TReplacingFile>(FFileName);
    FFile->Open();
  }
  FFile->Write(FBuffer);
  FHandedOver += FBuffer.size();
  FBuffer.clear();
}

bool TSpecctraWriter::Save() {
  // A text that never outgrew a chunk is written in one piece and stays in the buffer.
  if (!FFile) return GuardedSaveBuffer(FBuffer, FFileName);
  const std::unique_ptr<TReplacingFile> file = std::move(FFile);
  return GuardedReplace(FFileName, [&](std::string& error) {
    file->Write(FBuffer);
    return file->Commit(&error);
  });
}
