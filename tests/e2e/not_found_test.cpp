#include <gtest/gtest.h>

#include "e2e_paths.h"
#include "icon_check.h"
#include "machine_profile.h"
#include "program_run.h"
#include "registry_check.h"
#include "scenario.h"
#include "window_control.h"

namespace e2e {
namespace {

// How long the icon may take to reach the screen.
constexpr DWORD kPaintTime = 3000;

// Starts the program on a machine without a Banshee, checks the message it
// shows, answers it, and checks that the process then ends having written
// nothing: the program's tree and the Run entry are as the profiles left
// them.
void ExpectNotFoundMessageAndNothingWritten() {
  const auto tree = TreeSnapshot(kTree);
  const auto run = TreeSnapshot(kRun);
  ProgramRun program(ProgramPath());
  ASSERT_TRUE(program.Started()) << "cannot start " << ProgramPath();

  const HWND box = program.WaitForWindow(kDialogClass, kMessageCaption);
  ASSERT_NE(nullptr, box) << "no message box captioned " << kMessageCaption;
  EXPECT_EQ("3Dfx VooDoo Banshee NOT FOUND.", ControlText(box, kMessageText));
  const std::vector<HWND> buttons = ChildWindows(box, "Button");
  ASSERT_EQ(1u, buttons.size());
  EXPECT_EQ(IDOK, GetDlgCtrlID(buttons.front()));
  EXPECT_EQ("OK", WindowText(buttons.front()));
  const HWND icon = GetDlgItem(box, kMessageIcon);
  EXPECT_NE(nullptr, ShownIcon(icon));
  EXPECT_EQ(SystemIcon::Exclamation, ShownSystemIcon(icon, kPaintTime));

  ASSERT_TRUE(PressButton(box, IDOK));
  ASSERT_TRUE(program.WaitForExit());
  EXPECT_EQ(0u, program.ExitCode());
  EXPECT_EQ(tree, TreeSnapshot(kTree));
  EXPECT_EQ(run, TreeSnapshot(kRun));
}

TEST(BansheeNotFound, OnWindows98TheUserIsToldAndNothingIsWritten) {
  ASSERT_TRUE(SeedMachine({"win98-no-banshee", "kvartune-earlier-start-98"}));
  ExpectNotFoundMessageAndNothingWritten();
}

TEST(BansheeNotFound, OnWindowsNTTheUserIsToldAndNothingIsWritten) {
  ASSERT_TRUE(SeedMachine({"nt40-other-chip", "kvartune-earlier-start-nt"}));
  ExpectNotFoundMessageAndNothingWritten();
}

}  // namespace
}  // namespace e2e
