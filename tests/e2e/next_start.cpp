#include "next_start.h"

#include <gtest/gtest.h>

#include "main_window.h"
#include "tray.h"

namespace e2e {

void ExpectStartsHiddenInTheTray() {
  MainWindowRun run;
  ASSERT_NE(nullptr, run.sheet);
  EXPECT_FALSE(IsWindowVisible(run.sheet));
  EXPECT_TRUE(HasTrayIcon(run.sheet));
  EXPECT_TRUE(Unload(run.program, run.sheet));
}

void ExpectStartsShownWithoutTrayAndCloseEnds() {
  MainWindowRun run;
  ASSERT_NE(nullptr, run.sheet);
  EXPECT_TRUE(IsWindowVisible(run.sheet));
  EXPECT_FALSE(HasTrayIcon(run.sheet));
  CloseFromTitleBar(run.sheet);
  EXPECT_TRUE(EndsNormally(run.program));
}

}  // namespace e2e
