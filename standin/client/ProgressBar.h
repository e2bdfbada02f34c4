// The host's progress bar on standard error. It appears once a task has run for a second,
// only while standard error is a terminal and the bar is not silenced, and is redrawn at most
// ten times a second. A step costs no allocation and, between looks at the clock, only an
// addition and a comparison: a task reports every byte it reads.
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

  // A silenced bar draws nothing; the task under way stays as it is.
  void SetShown(bool shown) { FEnabled = shown; }

  void Start(std::string_view caption, int32_t total) override;
  void Advance(int32_t steps) override;
  void Finish() override;

private:
  void Look();
  void Draw();
  std::string BarText() const;

  ITerminal& FTerminal;
  TClock FClock;
  bool FEnabled = true;
  // A task is under way on a terminal; FDrawn once its bar was drawn.
  bool FActive = false;
  bool FDrawn = false;
  std::string FCaption;
  int64_t FTotal = 0;
  int64_t FDone = 0;
  // The clock is read when the steps done reach FNextLook; then FLookStride steps later.
  int64_t FNextLook = 0;
  int64_t FLookStride = 1;
  std::chrono::steady_clock::time_point FStarted{};
  std::chrono::steady_clock::time_point FLastDraw{};
};

}  // namespace standin
