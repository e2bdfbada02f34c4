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
  host.Now += 5s;
  EXPECT_EQ(standin::ProgressUpdate(50), 0);
  EXPECT_EQ(standin::ProgressFinish(), 0);
  EXPECT_EQ(host.Terminal.Err, "");
}

TEST(ProgressBar, TheClientsBarReceivesTheServersProgress) {
  TClientUnderTest host;
  host.Terminal.ErrorInteractive = true;
  standin::ProgressInit("Loading design", 4);
  host.Now += 1s;
  standin::ProgressUpdate(1);
  EXPECT_NE(host.Terminal.Err.find("Loading design [#######......................."),
            std::string::npos)
      << host.Terminal.Err;
  standin::ProgressFinish();
  EXPECT_TRUE(host.Terminal.Err.ends_with("\r\033[K")) << "the bar's line is cleared";
  host.Client.reset();
  host.Terminal.Err.clear();
  EXPECT_EQ(standin::ProgressInit("after the client", 4), 0);
  EXPECT_EQ(standin::ProgressUpdate(4), 0);
  EXPECT_EQ(host.Terminal.Err, "") << "the client took its bar away";
}

TEST(ProgressBar, AQuietClientDrawsNoBar) {
  TClientUnderTest host;
  host.Terminal.ErrorInteractive = true;
  host.Client->SetProgressShown(false);
  standin::ProgressInit("Loading design", 4);
  host.Now += 2s;
  standin::ProgressUpdate(2);
  standin::ProgressFinish();
  EXPECT_EQ(host.Terminal.Err, "");
}

// A bar on a fake terminal and a clock that moves only when told.
struct TBarUnderTest {
  TFakeTerminal Terminal;
  std::chrono::steady_clock::time_point Now = std::chrono::steady_clock::time_point{} + 1h;
  int ClockReads = 0;
  standin::TProgressBar Bar{Terminal, [this] {
                              ++ClockReads;
                              return Now;
                            }};

  TBarUnderTest() { Terminal.ErrorInteractive = true; }
  long Draws() const { return std::count(Terminal.Err.begin(), Terminal.Err.end(), '\r'); }
};

TEST(ProgressBar, AppearsOnlyOnceTheTaskHasRunASecond) {
  TBarUnderTest test;
  test.Bar.Start("Parsing", 1000);
  for (int i = 0; i < 500; ++i) test.Bar.Advance(1);
  test.Now += 999ms;
  test.Bar.Advance(1);
  EXPECT_EQ(test.Terminal.Err, "") << "a task shorter than a second shows nothing";
  test.Bar.Finish();
  EXPECT_EQ(test.Terminal.Err, "") << "nothing drawn, nothing to clear";

  test.Bar.Start("Parsing", 1000);
  test.Now += 1s;
  test.Bar.Advance(250);
  EXPECT_EQ(test.Draws(), 1);
  EXPECT_TRUE(test.Terminal.Err.ends_with("Parsing [#######.......................] 25%"))
      << test.Terminal.Err;
  test.Bar.Finish();
  EXPECT_TRUE(test.Terminal.Err.ends_with("\r\033[K"));
}

TEST(ProgressBar, RedrawsAtMostTenTimesASecond) {
  TBarUnderTest test;
  test.Bar.Start("Parsing", 1000);
  test.Now += 1s;
  test.Bar.Advance(1);
  EXPECT_EQ(test.Draws(), 1);
  for (int i = 0; i < 498; ++i) test.Bar.Advance(1);
  EXPECT_EQ(test.Draws(), 1) << "no time passed";
  test.Now += 99ms;
  test.Bar.Advance(1);
  EXPECT_EQ(test.Draws(), 1);
  test.Now += 1ms;
  test.Bar.Advance(1);
  EXPECT_EQ(test.Draws(), 2);
  EXPECT_TRUE(test.Terminal.Err.ends_with("Parsing [###############...............] 50%"))
      << test.Terminal.Err;
  test.Now += 1s;
  test.Bar.Advance(5000);
  EXPECT_TRUE(test.Terminal.Err.ends_with("] 100%")) << "steps beyond the total stop at the end";
}

TEST(ProgressBar, ReadsTheClockAboutAThousandTimesPerTaskWhateverItsSteps) {
  TBarUnderTest test;
  test.Bar.Start("Loading", 1'000'000);
  for (int i = 0; i < 1'000'000; ++i) test.Bar.Advance(1);
  EXPECT_LE(test.ClockReads, 1001) << "one step per byte must not read the clock per byte";
  EXPECT_GE(test.ClockReads, 900) << "the bar still follows the task";

  TBarUnderTest unknown;
  unknown.Bar.Start("Loading", 0);
  for (int i = 0; i < 1'000'000; ++i) unknown.Bar.Advance(1);
  EXPECT_LE(unknown.ClockReads, 1'000'000 / 4096 + 1);
  unknown.Now += 1s;
  unknown.Bar.Advance(4096);
  EXPECT_TRUE(unknown.Terminal.Err.ends_with("Loading 1004096")) << "a task of unknown size counts";
}

TEST(ProgressBar, ALongCaptionIsCutToKeepTheBarOnOneLine) {
  TBarUnderTest test;
  const std::string caption =
      "Loading DSN file /home/someone/projects/boards/r\xC3\xA9vision-7/main-board-final.dsn";
  test.Bar.Start(caption, 10);
  test.Now += 1s;
  test.Bar.Advance(10);
  const std::string line = test.Terminal.Err.substr(test.Terminal.Err.rfind('\r') + 4);
  EXPECT_TRUE(line.starts_with("Loading DSN file ")) << line;
  EXPECT_NE(line.find("...n-7/main-board-final.dsn ["), std::string::npos) << line;
  EXPECT_LE(line.size(), 48u + 2 + 30 + 6) << line;
}

}  // namespace
