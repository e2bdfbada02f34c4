#include "client/ProgressBar.h"

#include <algorithm>

#include "client/TerminalText.h"

namespace standin {
namespace {

constexpr auto kFirstDrawAfter = std::chrono::seconds(1);
constexpr auto kRedrawInterval = std::chrono::milliseconds(100);
constexpr int kBarWidth = 30;
// The clock is read about this many times over a task of known size.
constexpr int64_t kLooksPerTask = 1000;
// Steps between looks at the clock when the task's size is unknown.
constexpr int64_t kUnknownTotalStride = 4096;
// Longer captions are cut in the middle, so that the bar stays on one line of a terminal.
constexpr std::size_t kCaptionWidth = 48;
constexpr std::size_t kCaptionTail = 24;
// Carriage return, then the line erased to its end.
constexpr const char* kClearLine = "\r\033[K";

bool StartsCharacter(char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }

// The caption on one line and cut to kCaptionWidth bytes (about), between characters.
std::string CaptionText(std::string_view caption) {
  std::string text = TerminalText(caption);
  std::replace(text.begin(), text.end(), '\n', ' ');
  if (text.size() <= kCaptionWidth) return text;
  std::size_t headEnd = kCaptionWidth - kCaptionTail - 3;
  while (headEnd > 0 && !StartsCharacter(text[headEnd])) --headEnd;
  std::size_t tailStart = text.size() - kCaptionTail;
  while (tailStart < text.size() && !StartsCharacter(text[tailStart])) ++tailStart;
  return text.substr(0, headEnd) + "..." + text.substr(tailStart);
}

}  // namespace

void TProgressBar::Start(std::string_view caption, int32_t total) {
  if (FActive) Finish();
  FActive = FEnabled && FTerminal.ErrorIsTerminal();
  if (!FActive) return;
  FCaption = CaptionText(caption);
  FTotal = std::max<int64_t>(total, 0);
  FDone = 0;
  FLookStride = FTotal > 0 ? std::max<int64_t>(FTotal / kLooksPerTask, 1) : kUnknownTotalStride;
  FNextLook = FLookStride;
  FStarted = FClock();
}

void TProgressBar::Advance(int32_t steps) {
  if (!FActive) return;
  FDone = std::max<int64_t>(FDone + steps, 0);
  if (FTotal > 0) FDone = std::min(FDone, FTotal);
  if (FDone < FNextLook) return;
  FNextLook = FDone + FLookStride;
  Look();
}

void TProgressBar::Finish() {
  if (FActive && FDrawn) FTerminal.WriteError(kClearLine);
  FActive = FDrawn = false;
}

// Draws the bar once the task has run a second, then at most every tenth of a second.
void TProgressBar::Look() {
  if (!FEnabled) return;
  const auto now = FClock();
  if (FDrawn ? now - FLastDraw < kRedrawInterval : now - FStarted < kFirstDrawAfter) return;
  FLastDraw = now;
  Draw();
}

void TProgressBar::Draw() {
  FDrawn = true;
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
