// The parameter buffer of a host process: it holds the caller's parameter text and receives
// the process's results, at most size bytes with the terminator.
#pragma once

#include <cstdint>
#include <string>

#include "common/ParameterText.h"

namespace standin {

class TParameterBuffer {
public:
  TParameterBuffer(char* buffer, uint32_t size) : FBuffer(buffer), FSize(size) {}

  // The text up to its terminator (within the buffer's size when one is given); empty for no
  // buffer.
  std::string Text() const;
  TParameterList Parameters() const { return ParseParameters(Text()); }
  // Writes the list as parameter text; false (buffer unchanged) when it does not fit.
  bool Write(const TParameterList& parameters);

private:
  char* FBuffer;
  uint32_t FSize;
};

}  // namespace standin
