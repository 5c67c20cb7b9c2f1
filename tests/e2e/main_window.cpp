#include "main_window.h"

#include <commctrl.h>
#include <prsht.h>

#include "window_control.h"

namespace e2e {

HWND WaitForMainWindow(ProgramRun& program) {
  const HWND sheet = program.WaitForHiddenOrShownWindow(kDialogClass, kTitle);
  if (sheet == nullptr || !program.WaitUntilIdle()) return nullptr;
  return sheet;
}

bool WaitUntilShown(HWND window, bool shown) {
  return WaitUntil(
      [&] { return (IsWindowVisible(window) != FALSE) == shown; });
}

HWND ShowPage(HWND sheet, Page page) {
  Ask(sheet, PSM_SETCURSEL, static_cast<WPARAM>(page), 0);
  return reinterpret_cast<HWND>(Ask(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
}

int CurrentPageIndex(HWND sheet) {
  const HWND tabs = reinterpret_cast<HWND>(Ask(sheet, PSM_GETTABCONTROL, 0, 0));
  return tabs != nullptr ? static_cast<int>(Ask(tabs, TCM_GETCURSEL, 0, 0))
                         : -1;
}

void CloseFromTitleBar(HWND sheet) { Ask(sheet, WM_SYSCOMMAND, SC_CLOSE, 0); }

bool PressEscape(HWND sheet) {
  GUITHREADINFO thread = {};
  thread.cbSize = sizeof thread;
  GetGUIThreadInfo(GetWindowThreadProcessId(sheet, nullptr), &thread);
  const HWND target = thread.hwndFocus != nullptr ? thread.hwndFocus : sheet;
  return PostKeyPress(target, VK_ESCAPE);
}

testing::AssertionResult Unload(ProgramRun& program, HWND sheet) {
  if (!PostMessageA(sheet, WM_COMMAND, kUnloadCommand, 0))
    return testing::AssertionFailure() << "cannot post Unload to the window";
  return EndsNormally(program);
}

testing::AssertionResult EndsNormally(ProgramRun& program) {
  if (!program.WaitForExit())
    return testing::AssertionFailure()
           << "still runs after " << kPatience << " ms";
  if (program.ExitCode() != 0)
    return testing::AssertionFailure()
           << "ended with exit code 0x" << std::hex << program.ExitCode();
  return testing::AssertionSuccess();
}

testing::AssertionResult IsCentredOnDesktop(HWND window) {
  RECT desktop, own;
  GetWindowRect(GetDesktopWindow(), &desktop);
  GetWindowRect(window, &own);
  const LONG x = (desktop.right - (own.right - own.left)) / 2;
  const LONG y = (desktop.bottom - (own.bottom - own.top)) / 2;
  if (own.left == x && own.top == y) return testing::AssertionSuccess();
  return testing::AssertionFailure()
         << "the window is at (" << own.left << ", " << own.top
         << "), centred on the " << desktop.right << "x" << desktop.bottom
         << " desktop it is at (" << x << ", " << y << ")";
}

}  // namespace e2e
