#include "client/EscapeKey.h"

namespace standin {
namespace {

volatile std::sig_atomic_t gPressed = 0;

extern "C" void OnInterrupt(int) {
  if (gPressed) {
    // Pressed again before the command noticed: give up and stop as Ctrl-C usually does.
    std::signal(SIGINT, SIG_DFL);
    std::raise(SIGINT);
    return;
  }
  gPressed = 1;
}

}  // namespace

void TEscapeKey::Arm() {
  gPressed = 0;
  if (FArmed) return;
  struct sigaction action {};
  action.sa_handler = OnInterrupt;
  sigemptyset(&action.sa_mask);
  // No SA_RESTART: a question waiting for input is interrupted as well.
  action.sa_flags = 0;
  FArmed = ::sigaction(SIGINT, &action, &FPrevious) == 0;
}

void TEscapeKey::Disarm() {
  if (!FArmed) return;
  ::sigaction(SIGINT, &FPrevious, nullptr);
  FArmed = false;
}

bool TEscapeKey::TakePress() {
  if (!gPressed) return false;
  gPressed = 0;
  return true;
}

}  // namespace standin
