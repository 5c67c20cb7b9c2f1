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
// How long a question about the screen may stay when nobody answers.
constexpr DWORD kUnansweredPatience = 20000;

// The box's buttons by id and text, in the order Windows makes them.
struct ButtonOf {
  int id;
  const char* text;
};

// With `anyPicture` (a question about the screen) the icon need only be
// there: its picture is not compared, as the desktop may be at another
// depth; nor is the line that counts down below the text.
void ExpectBoxAndPress(ProgramRun& program, const std::string& text,
                       const std::vector<ButtonOf>& buttons, int press,
                       const std::function<void()>& whileAsked = [] {},
                       bool anyPicture = false) {
  const HWND box = program.WaitForWindow(kDialogClass, kMessageCaption);
  ASSERT_NE(nullptr, box) << "no message box captioned " << kMessageCaption;
  const std::string first = ControlText(box, kMessageText);
  EXPECT_EQ(text, anyPicture ? first.substr(0, first.find("\n\n")) : first);
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

  if (press == kNobodyAnswers)
    EXPECT_TRUE(WaitUntil([&] { return ControlText(box, kMessageText) != first; }))
        << "the seconds left are not counted down";
  else
    ASSERT_TRUE(PressButton(box, press));
  EXPECT_TRUE(WaitUntil([box] { return !IsWindow(box); }, kUnansweredPatience))
      << "the message box stays";
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
