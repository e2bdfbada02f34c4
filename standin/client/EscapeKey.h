// The Escape key of the stand-in host: Ctrl-C (SIGINT) while a command runs. A second Ctrl-C
// before the first was noticed ends the process as usual.
#pragma once

#include <csignal>

namespace standin {

class TEscapeKey {
public:
  TEscapeKey() = default;
  TEscapeKey(const TEscapeKey&) = delete;
  TEscapeKey& operator=(const TEscapeKey&) = delete;
  ~TEscapeKey() { Disarm(); }

  // From now on Ctrl-C counts as the Escape key (a command starts); earlier presses are gone.
  void Arm();
  // Ctrl-C gets its previous meaning back (the command ended).
  void Disarm();
  // Whether Escape was pressed since the last question; the press is used up by asking, as a
  // key press is.
  bool TakePress();

private:
  bool FArmed = false;
  struct sigaction FPrevious {};
};

}  // namespace standin
