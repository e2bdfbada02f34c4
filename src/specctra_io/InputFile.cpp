#include "specctra_io/InputFile.h"

#include <optional>
#include <stdexcept>
#include <utility>

#include "common/SafeFile.h"

namespace {

std::string LoadBytes(const std::string& fileName) {
  std::string reason;
  std::optional<std::string> bytes = ReadWholeFile(fileName, &reason);
  if (!bytes) throw std::runtime_error("Cannot read the input file: " + reason);
  return std::move(*bytes);
}

}  // namespace

TInputFile::TInputFile(std::string fileName)
    : FFileName(std::move(fileName)), FBytes(LoadBytes(FFileName)) {}

TInputFile::TInputFile(std::string fileName, std::string bytes)
    : FFileName(std::move(fileName)), FBytes(std::move(bytes)) {}
