// The progress bar behind the PCB server's progress entry points.
#include "client/ProgressBar.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "standin/ClientTestSupport.h"

namespace {

using namespace std::chrono_literals;

TEST(ProgressBar, NothingIsDrawnWhenStandardErrorIsNoTerminal) {
  TClientUnderTest host;  // installs its progress bar in the PCB server
  EXPECT_EQ(standin::ProgressInit("Loading design", 100), 0);
  EXPECT_EQ(standin::ProgressUpdate(50), 0);
  EXPECT_EQ(standin::ProgressFinish(), 0);
  EXPECT_EQ(host.Terminal.Err, "");
}

TEST(ProgressBar, TheClientsBarReceivesTheServersProgress) {
  TClientUnderTest host;
  host.Terminal.ErrorInteractive = true;
  standin::ProgressInit("Loading design", 4);
  EXPECT_NE(host.Terminal.Err.find("Loading design [...."), std::string::npos) << host.Terminal.Err;
  standin::ProgressFinish();
  EXPECT_TRUE(host.Terminal.Err.ends_with("\r\033[K")) << "the bar's line is cleared";
  host.Client.reset();
  host.Terminal.Err.clear();
  EXPECT_EQ(standin::ProgressInit("after the client", 4), 0);
  EXPECT_EQ(host.Terminal.Err, "") << "the client took its bar away";
}

TEST(ProgressBar, RedrawsAtMostTenTimesASecond) {
  TFakeTerminal terminal;
  terminal.ErrorInteractive = true;
  auto now = std::chrono::steady_clock::time_point{} + 1h;
  standin::TProgressBar bar(terminal, [&now] { return now; });
  const auto draws = [&terminal] {
    return std::count(terminal.Err.begin(), terminal.Err.end(), '\r');
  };
  bar.Start("Parsing", 1000);
  EXPECT_EQ(draws(), 1);
  for (int i = 0; i < 500; ++i) bar.Advance(1);
  EXPECT_EQ(draws(), 1) << "no time passed";
  now += 99ms;
  bar.Advance(1);
  EXPECT_EQ(draws(), 1);
  now += 1ms;
  bar.Advance(1);
  EXPECT_EQ(draws(), 2);
  EXPECT_TRUE(terminal.Err.ends_with("Parsing [###############...............] 50%"))
      << terminal.Err;
  now += 1s;
  bar.Advance(5000);
  EXPECT_TRUE(terminal.Err.ends_with("] 100%")) << "steps beyond the total stop at the end";
}

}  // namespace
