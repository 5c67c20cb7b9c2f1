#include "message_box.h"

#include <gtest/gtest.h>

#include <vector>

#include "icon_check.h"
#include "scenario.h"
#include "window_control.h"

namespace e2e {
namespace {

// How long the icon may take to reach the screen.
constexpr DWORD kPaintTime = 3000;

}  // namespace

void ExpectMessageAndPressOk(ProgramRun& program, const std::string& text) {
  const HWND box = program.WaitForWindow(kDialogClass, kMessageCaption);
  ASSERT_NE(nullptr, box) << "no message box captioned " << kMessageCaption;
  EXPECT_EQ(text, ControlText(box, kMessageText));
  const std::vector<HWND> buttons = ChildWindows(box, "Button");
  ASSERT_EQ(1u, buttons.size());
  EXPECT_EQ(IDOK, GetDlgCtrlID(buttons.front()));
  EXPECT_EQ("OK", WindowText(buttons.front()));
  const HWND icon = GetDlgItem(box, kMessageIcon);
  EXPECT_NE(nullptr, ShownIcon(icon));
  EXPECT_EQ(SystemIcon::Exclamation, ShownSystemIcon(icon, kPaintTime));

  ASSERT_TRUE(PressButton(box, IDOK));
  EXPECT_TRUE(WaitUntil([box] { return !IsWindow(box); }))
      << "the message box stays after OK";
}

}  // namespace e2e
