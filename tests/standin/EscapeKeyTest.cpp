// Ctrl-C during a command is the Escape key.
#include "client/EscapeKey.h"

#include <gtest/gtest.h>

#include <csignal>

#include "standin/ClientTestSupport.h"

namespace {

TEST(EscapeKey, CtrlCDuringACommandIsOneEscapePress) {
  TClientUnderTest host;
  struct sigaction before {};
  ::sigaction(SIGINT, nullptr, &before);

  bool down = true;
  host.Client->BeginCommand();
  ASSERT_EQ(host.Client->IsEscapeKeyDown(&down), host::kOk);
  EXPECT_FALSE(down);
  std::raise(SIGINT);
  host.Client->IsEscapeKeyDown(&down);
  EXPECT_TRUE(down);
  host.Client->IsEscapeKeyDown(&down);
  EXPECT_FALSE(down) << "a press is noticed once";

  std::raise(SIGINT);
  host.Client->EndCommand();
  host.Client->BeginCommand();
  host.Client->IsEscapeKeyDown(&down);
  EXPECT_FALSE(down) << "a press before the command started does not count";
  host.Client->EndCommand();

  struct sigaction after {};
  ::sigaction(SIGINT, nullptr, &after);
  EXPECT_EQ(after.sa_handler, before.sa_handler) << "Ctrl-C gets its old meaning back";
}

}  // namespace
