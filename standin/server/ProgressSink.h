// Where the PCB server's progress entry points go: the client's progress bar.
#pragma once

#include <cstdint>
#include <string_view>

namespace standin {

class IProgressSink {
public:
  // A new task with a caption and a total number of steps (0 or less when unknown).
  virtual void Start(std::string_view caption, int32_t total) = 0;
  virtual void Advance(int32_t steps) = 0;
  virtual void Finish() = 0;

protected:
  ~IProgressSink() = default;
};

}  // namespace standin
