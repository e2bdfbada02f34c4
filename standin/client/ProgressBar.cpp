#include "client/ProgressBar.h"

#include <algorithm>

#include "client/TerminalText.h"

namespace standin {
namespace {

constexpr auto kRedrawInterval = std::chrono::milliseconds(100);
constexpr int kBarWidth = 30;
// Carriage return, then the line erased to its end.
constexpr const char* kClearLine = "\r\033[K";

}  // namespace

void TProgressBar::Start(std::string_view caption, int32_t total) {
  FShown = FTerminal.ErrorIsTerminal();
  if (!FShown) return;
  FCaption = TerminalText(caption);
  std::replace(FCaption.begin(), FCaption.end(), '\n', ' ');
  FTotal = std::max<int64_t>(total, 0);
  FDone = 0;
  Draw();
}

void TProgressBar::Advance(int32_t steps) {
  if (!FShown) return;
  FDone = std::max<int64_t>(FDone + steps, 0);
  if (FTotal > 0) FDone = std::min(FDone, FTotal);
  if (FClock() - FLastDraw >= kRedrawInterval) Draw();
}

void TProgressBar::Finish() {
  if (!FShown) return;
  FTerminal.WriteError(kClearLine);
  FShown = false;
}

void TProgressBar::Draw() {
  FLastDraw = FClock();
  FTerminal.WriteError(std::string(kClearLine) + BarText());
}

std::string TProgressBar::BarText() const {
  if (FTotal <= 0) return FCaption + " " + std::to_string(FDone);
  const int64_t filled = FDone * kBarWidth / FTotal;
  const int64_t percent = FDone * 100 / FTotal;
  return FCaption + " [" + std::string(static_cast<std::size_t>(filled), '#') +
         std::string(static_cast<std::size_t>(kBarWidth - filled), '.') + "] " +
         std::to_string(percent) + "%";
}

}  // namespace standin
