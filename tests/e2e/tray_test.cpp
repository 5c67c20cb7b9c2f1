#include "next_start.h"
#include "scenario.h"
#include "tray.h"

// The tray icon and its menu, and what closing the window does with the
// icon on and off. The machine is a Windows 98 PC with one Banshee.
namespace e2e {
namespace {

// How long a program that is to keep running is watched for an end.
constexpr DWORD kGraceTime = 200;

// "loadtray" is missing, which counts as on. The window is moved away from
// the centre first, so that the double-click's centring shows; the
// Configuration page is current, so that the reopening's reload shows.
TEST(TrayIcon, CloseHidesTheWindowAndADoubleClickReopensItCentredAndReloaded) {
  ASSERT_TRUE(SeedMachine({"win98-one-banshee"}));
  MainWindowRun run;
  ASSERT_NE(nullptr, run.sheet);
  const HWND sheet = run.sheet;
  ASSERT_TRUE(IsWindowVisible(sheet));
  EXPECT_TRUE(HasTrayIcon(sheet));
  const HWND page = ShowPage(sheet, Page::Configuration);
  ASSERT_NE(nullptr, page);
  EXPECT_FALSE(IsChecked(page, IDC_LOAD_AT_STARTUP));
  ASSERT_TRUE(SetWindowPos(sheet, nullptr, 10, 20, 0, 0,
                           SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE));
  ASSERT_FALSE(IsCentredOnDesktop(sheet));

  CloseFromTitleBar(sheet);
  EXPECT_FALSE(IsWindowVisible(sheet));
  // A double-click on another icon of the window's is no concern of the
  // program's.
  ASSERT_TRUE(PostTrayMouse(sheet, WM_LBUTTONDBLCLK, kTrayIconId + 1));
  EXPECT_FALSE(run.program.WaitForExit(kGraceTime));
  EXPECT_FALSE(IsWindowVisible(sheet));
  EXPECT_TRUE(HasTrayIcon(sheet));

  ASSERT_TRUE(ChangeText(kCommon, "loadstartup", "1"));
  ASSERT_TRUE(PostTrayMouse(sheet, WM_LBUTTONDBLCLK));
  ASSERT_TRUE(WaitUntilShown(sheet, true));
  EXPECT_TRUE(IsCentredOnDesktop(sheet));
  EXPECT_EQ(static_cast<int>(Page::Configuration), CurrentPageIndex(sheet));
  EXPECT_TRUE(IsChecked(page, IDC_LOAD_AT_STARTUP));
  EXPECT_TRUE(Unload(run.program, sheet));
}

TEST(TrayIcon, MenuOpensTheHiddenWindowAndUnloadsTheProgramWithItsIcon) {
  ASSERT_TRUE(SeedMachine({"win98-one-banshee", "kvartune-start-minimized"}));
  MainWindowRun run;
  ASSERT_NE(nullptr, run.sheet);
  ASSERT_FALSE(IsWindowVisible(run.sheet));

  ASSERT_TRUE(ChooseFromTrayMenu(run.sheet, TrayItem::Open));
  EXPECT_TRUE(WaitUntilShown(run.sheet, true));
  EXPECT_TRUE(HasTrayIcon(run.sheet));

  // A profile saved from the command line is listed in "Profiles" and
  // applied when chosen.
  const std::string d3d = kDriverKeys + "0000\\D3D";
  ASSERT_TRUE(ChangeText(d3d, "SSTH3_ANTIALIAS", "0"));
  {
    ProgramRun save(ProgramPath(), "/saveprofile Tray");
    ASSERT_TRUE(save.WaitForExit());
    EXPECT_EQ(0u, save.ExitCode());
  }
  ASSERT_TRUE(ChangeText(d3d, "SSTH3_ANTIALIAS", "1"));
  ASSERT_TRUE(ChooseFromTrayMenu(run.sheet, TrayItem::Profiles, 0));
  EXPECT_TRUE(WaitUntil([&] { return HasText(d3d, "SSTH3_ANTIALIAS", "0"); }));
  const std::string folder = ProgramPath().substr(
      0, ProgramPath().find_last_of('\\') + 1) + "profiles";
  EXPECT_TRUE(DeleteFileA((folder + "\\Tray.reg").c_str()));
  RemoveDirectoryA(folder.c_str());

  ASSERT_TRUE(ChooseFromTrayMenu(run.sheet, TrayItem::Unload));
  EXPECT_TRUE(EndsNormally(run.program));
  EXPECT_FALSE(HasTrayIcon(run.sheet));
}

TEST(TrayIcon, OffThereIsNoIconAndCloseEndsTheProgram) {
  ASSERT_TRUE(SeedMachine({"win98-one-banshee", "kvartune-tray-off"}));
  ExpectStartsShownWithoutTrayAndCloseEnds();
}

}  // namespace
}  // namespace e2e
