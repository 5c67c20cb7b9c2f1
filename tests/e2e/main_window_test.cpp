#include "next_start.h"
#include "scenario.h"

// The main window at start, on its title bar and keyboard, and when the
// program is started a second time. The machine is a Windows 98 PC with one
// Banshee; the profiles after it hold the user's choices.
namespace e2e {
namespace {

// How long a second copy may take to hand over to the first and end.
constexpr DWORD kSecondCopyTime = 3000;
// How long a program that is to keep running is watched for an end.
constexpr DWORD kGraceTime = 200;

TEST(MainWindow, IsShownWithMoveMinimizeAndCloseOnTheFirstPage) {
  ASSERT_TRUE(SeedMachine({"win98-one-banshee"}));
  MainWindowRun run;
  ASSERT_NE(nullptr, run.sheet);

  EXPECT_TRUE(IsWindowVisible(run.sheet));
  EXPECT_EQ(static_cast<int>(Page::Performance), CurrentPageIndex(run.sheet));
  const DWORD style = static_cast<DWORD>(GetWindowLongA(run.sheet, GWL_STYLE));
  const DWORD wanted = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX |
                       DS_MODALFRAME;
  EXPECT_EQ(wanted, style & wanted) << "style 0x" << std::hex << style;
  EXPECT_EQ(0u, style & (WS_MAXIMIZEBOX | WS_THICKFRAME))
      << "style 0x" << std::hex << style;
  // Its system menu is checked in the Wine tier (sheet_test.cpp): Wine lets
  // no other process read a window's menus.
  EXPECT_TRUE(Unload(run.program, run.sheet));
}

TEST(MainWindow, StartsHiddenWhenStartMinimizedIsOn) {
  ASSERT_TRUE(SeedMachine({"win98-one-banshee", "kvartune-start-minimized"}));
  ExpectStartsHiddenInTheTray();
}

// Esc reaches the sheet as its Cancel, through the dialog keyboard handling
// of the program's message loop.
TEST(MainWindow, EscapeHidesTheWindowWhateverTheTraySetting) {
  for (const char* traySetting : {"kvartune-tray-on", "kvartune-tray-off"}) {
    SCOPED_TRACE(traySetting);
    ASSERT_TRUE(SeedMachine({"win98-one-banshee", traySetting}));
    MainWindowRun run;
    ASSERT_NE(nullptr, run.sheet);
    ASSERT_TRUE(IsWindowVisible(run.sheet));

    ASSERT_TRUE(PressEscape(run.sheet));
    EXPECT_TRUE(WaitUntilShown(run.sheet, false));
    EXPECT_FALSE(run.program.WaitForExit(kGraceTime));
    EXPECT_TRUE(Unload(run.program, run.sheet));
  }
}

// Explorer captions the window of the program's folder "Kvartune" too.
TEST(MainWindow, SecondStartShowsTheFirstCopyAndWritesNothing) {
  ASSERT_TRUE(SeedMachine({"win98-one-banshee", "kvartune-start-minimized"}));
  MainWindowRun first;
  ASSERT_NE(nullptr, first.sheet);
  ASSERT_FALSE(IsWindowVisible(first.sheet));
  const HWND folder =
      CreateWindowExA(0, "STATIC", "Kvartune", WS_POPUP, 0, 0, 50, 50, nullptr,
                      nullptr, GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(nullptr, folder);
  const auto tree = TreeSnapshot(kTree);
  const auto run = TreeSnapshot(kRun);

  ProgramRun second(ProgramPath());
  ASSERT_TRUE(second.Started());
  EXPECT_TRUE(second.WaitForExit(kSecondCopyTime));
  EXPECT_EQ(0u, second.ExitCode());
  EXPECT_TRUE(WaitUntilShown(first.sheet, true));
  EXPECT_FALSE(first.program.Ended());
  EXPECT_EQ(tree, TreeSnapshot(kTree));
  EXPECT_EQ(run, TreeSnapshot(kRun));
  EXPECT_FALSE(IsWindowVisible(folder));
  DestroyWindow(folder);
  EXPECT_TRUE(Unload(first.program, first.sheet));
}

}  // namespace
}  // namespace e2e
