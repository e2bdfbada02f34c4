#include "client/ParameterBuffer.h"

#include <cstring>

#include "boundary/TextBuffer.h"

namespace standin {

std::string TParameterBuffer::Text() const {
  if (!FBuffer) return {};
  // A buffer without a size (the caller expects no results) still holds a terminated text.
  const std::size_t length = FSize > 0 ? ::strnlen(FBuffer, FSize) : std::strlen(FBuffer);
  return std::string(FBuffer, length);
}

bool TParameterBuffer::Write(const TParameterList& parameters) {
  const std::string text = ParametersToText(parameters);
  if (!FBuffer || text.size() >= FSize) return false;
  CopyTextToBuffer(text, FBuffer, FSize);
  return true;
}

}  // namespace standin
