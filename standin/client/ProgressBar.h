// The host's progress bar on standard error, drawn only while standard error is a terminal
// and redrawn at most ten times a second.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>

#include "client/Terminal.h"
#include "server/ProgressSink.h"

namespace standin {

class TProgressBar final : public IProgressSink {
public:
  using TClock = std::function<std::chrono::steady_clock::time_point()>;

  explicit TProgressBar(ITerminal& terminal, TClock clock = std::chrono::steady_clock::now)
      : FTerminal(terminal), FClock(std::move(clock)) {}

  void Start(std::string_view caption, int32_t total) override;
  void Advance(int32_t steps) override;
  void Finish() override;

private:
  void Draw();
  std::string BarText() const;

  ITerminal& FTerminal;
  TClock FClock;
  bool FShown = false;
  std::string FCaption;
  int64_t FTotal = 0;
  int64_t FDone = 0;
  std::chrono::steady_clock::time_point FLastDraw{};
};

}  // namespace standin
