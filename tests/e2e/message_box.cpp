#include "message_box.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
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

// How long an unanswered question about the screen may stay.
constexpr DWORD kTimeOutPatience = 20000;

// Waits for the box and checks it; null, after a failure, when none came. A
// question about a change of the screen shows the seconds left below its
// text, and its icon need only be there: its picture is not compared, as
// the desktop may be at another depth.
HWND ExpectBox(ProgramRun& program, const std::string& text,
               const std::vector<ButtonOf>& buttons, bool aboutTheScreen) {
  const HWND box = program.WaitForWindow(kDialogClass, kMessageCaption);
  if (box == nullptr) {
    ADD_FAILURE() << "no message box captioned " << kMessageCaption;
    return nullptr;
  }
  const std::string shown = ControlText(box, kMessageText);
  if (aboutTheScreen)
    EXPECT_EQ(text + "\n\n", shown.substr(0, text.size() + 2)) << shown;
  else
    EXPECT_EQ(text, shown);
  EXPECT_EQ(buttons.size(), ChildWindows(box, "Button").size());
  for (const ButtonOf& button : buttons) {
    const HWND control = GetDlgItem(box, button.id);
    EXPECT_NE(nullptr, control) << "no button " << button.text;
    EXPECT_EQ(button.text, WindowText(control));
  }
  const HWND icon = GetDlgItem(box, kMessageIcon);
  EXPECT_NE(nullptr, ShownIcon(icon));
  if (!aboutTheScreen)
    EXPECT_EQ(SystemIcon::Exclamation, ShownSystemIcon(icon, kPaintTime));
  return box;
}

void Press(HWND box, int button) {
  ASSERT_TRUE(PressButton(box, button));
  EXPECT_TRUE(WaitUntil([box] { return !IsWindow(box); }))
      << "the message box stays after its button";
}

void ExpectBoxAndPress(ProgramRun& program, const std::string& text,
                       const std::vector<ButtonOf>& buttons, int press) {
  const HWND box = ExpectBox(program, text, buttons, false);
  ASSERT_NE(nullptr, box);
  Press(box, press);
}

// Nobody answers: the seconds left count down until the box is gone.
void WaitOutQuestion(HWND box) {
  std::set<std::string> texts;
  EXPECT_TRUE(WaitUntil(
      [&] {
        if (!IsWindow(box)) return true;
        texts.insert(ControlText(box, kMessageText));
        return false;
      },
      kTimeOutPatience))
      << "the unanswered question stays";
  texts.erase("");
  EXPECT_LT(1u, texts.size()) << "the seconds left are not counted down";
}

}  // namespace

void ExpectMessageAndPressOk(ProgramRun& program, const std::string& text) {
  ExpectBoxAndPress(program, text, {{IDOK, "OK"}}, IDOK);
}

void ExpectQuestionAndAnswer(ProgramRun& program, const std::string& text,
                             int answer) {
  ExpectBoxAndPress(program, text, {{IDYES, "&Yes"}, {IDNO, "&No"}}, answer);
}

void AnswerQuestion(ProgramRun& program, const std::string& question,
                    int answer, const std::function<void()>& whileAsked) {
  const HWND box = ExpectBox(program, question,
                             {{IDOK, "OK"}, {IDCANCEL, "Cancel"}}, true);
  ASSERT_NE(nullptr, box);
  whileAsked();
  if (answer == kNobodyAnswers)
    WaitOutQuestion(box);
  else
    Press(box, answer);
}

const char* AnswerName(int answer) {
  if (answer == kNobodyAnswers) return "nobody answers";
  return answer == IDOK ? "OK" : "Cancel";
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
