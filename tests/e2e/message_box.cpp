#include "message_box.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "icon_check.h"
#include "scenario.h"
#include "window_control.h"

namespace e2e {
namespace {

// How long the icon may take to reach the screen.
constexpr DWORD kPaintTime = 3000;

// Waits for the box, checks its text, its buttons (id and text) and its
// exclamation icon, and presses the button `press`.
void ExpectMessageAndPress(
    ProgramRun& program, const std::string& text,
    const std::vector<std::pair<int, std::string>>& expectedButtons,
    int press) {
  const HWND box = program.WaitForWindow(kDialogClass, kMessageCaption);
  ASSERT_NE(nullptr, box) << "no message box captioned " << kMessageCaption;
  EXPECT_EQ(text, ControlText(box, kMessageText));
  std::vector<std::pair<int, std::string>> buttons;
  for (HWND button : ChildWindows(box, "Button"))
    buttons.emplace_back(GetDlgCtrlID(button), WindowText(button));
  std::sort(buttons.begin(), buttons.end());
  EXPECT_EQ(expectedButtons, buttons);
  const HWND icon = GetDlgItem(box, kMessageIcon);
  EXPECT_NE(nullptr, ShownIcon(icon));
  EXPECT_EQ(SystemIcon::Exclamation, ShownSystemIcon(icon, kPaintTime));

  ASSERT_TRUE(PressButton(box, press));
  EXPECT_TRUE(WaitUntil([box] { return !IsWindow(box); }))
      << "the message box stays after its button";
}

}  // namespace

void ExpectMessageAndPressOk(ProgramRun& program, const std::string& text) {
  ExpectMessageAndPress(program, text, {{IDOK, "OK"}}, IDOK);
}

void ExpectRestartQuestionAndPressNo(ProgramRun& program) {
  ExpectMessageAndPress(
      program,
      "You need to RESTART the computer for the new settings.\n"
      "Do you want to RESTART now?",
      {{IDYES, "&Yes"}, {IDNO, "&No"}}, IDNO);
}

}  // namespace e2e
