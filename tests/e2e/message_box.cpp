#include "message_box.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "icon_check.h"
#include "scenario.h"
#include "window_control.h"

namespace e2e {
namespace {

// How long the icon may take to reach the screen.
constexpr DWORD kPaintTime = 3000;

// The box's buttons by id and text, in the order Windows makes them.
struct ButtonOf {
  int id;
  const char* text;
};

// With `anyPicture` the icon need only be there: its picture is not
// compared, as the desktop may be at another depth.
void ExpectBoxAndPress(ProgramRun& program, const std::string& text,
                       const std::vector<ButtonOf>& buttons, int press,
                       const std::function<void()>& whileAsked = [] {},
                       bool anyPicture = false) {
  const HWND box = program.WaitForWindow(kDialogClass, kMessageCaption);
  ASSERT_NE(nullptr, box) << "no message box captioned " << kMessageCaption;
  EXPECT_EQ(text, ControlText(box, kMessageText));
  const std::vector<HWND> shown = ChildWindows(box, "Button");
  ASSERT_EQ(buttons.size(), shown.size());
  for (const ButtonOf& button : buttons) {
    const HWND control = GetDlgItem(box, button.id);
    ASSERT_NE(nullptr, control) << "no button " << button.text;
    EXPECT_EQ(button.text, WindowText(control));
  }
  const HWND icon = GetDlgItem(box, kMessageIcon);
  EXPECT_NE(nullptr, ShownIcon(icon));
  if (!anyPicture) {
    EXPECT_EQ(SystemIcon::Exclamation, ShownSystemIcon(icon, kPaintTime));
  }
  whileAsked();

  ASSERT_TRUE(PressButton(box, press));
  EXPECT_TRUE(WaitUntil([box] { return !IsWindow(box); }))
      << "the message box stays after its button";
}

}  // namespace

void ExpectMessageAndPressOk(ProgramRun& program, const std::string& text) {
  ExpectBoxAndPress(program, text, {{IDOK, "OK"}}, IDOK);
}

void ExpectQuestionAndAnswer(ProgramRun& program, const std::string& text,
                             int answer) {
  ExpectBoxAndPress(program, text, {{IDYES, "&Yes"}, {IDNO, "&No"}}, answer);
}

void AnswerQuestion(ProgramRun& program, const std::string& text, int answer,
                    const std::function<void()>& whileAsked) {
  ExpectBoxAndPress(program, text, {{IDOK, "OK"}, {IDCANCEL, "Cancel"}},
                    answer, whileAsked, true);
}

testing::AssertionResult ShowsNoMessage(ProgramRun& program) {
  if (!program.WaitUntilIdle())
    return testing::AssertionFailure() << "the program does not settle";
  for (HWND box : TopLevelWindows(program.ProcessId(), kDialogClass)) {
    if (IsWindowVisible(box) && WindowText(box) == kMessageCaption)
      return testing::AssertionFailure()
             << "a message box shows \"" << ControlText(box, kMessageText)
             << "\"";
  }
  return testing::AssertionSuccess();
}

void ExpectRestartQuestionAndPressNo(ProgramRun& program) {
  ExpectQuestionAndAnswer(
      program,
      "You need to RESTART the computer for the new settings.\n"
      "Do you want to RESTART now?",
      IDNO);
}

}  // namespace e2e
