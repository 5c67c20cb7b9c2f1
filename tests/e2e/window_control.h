#pragma once

#include <windows.h>

#include <string>
#include <vector>

// Looking at and driving another process's windows through window messages,
// as a user's clicks would.
namespace e2e {

// The window class of dialogs, property sheets and message boxes among them.
inline const std::string kDialogClass = "#32770";

// The top-level windows of a process with this window class, in z-order.
std::vector<HWND> TopLevelWindows(DWORD processId,
                                  const std::string& windowClass);
// The child windows of a window with this class, in z-order.
std::vector<HWND> ChildWindows(HWND parent, const std::string& windowClass);

std::string ClassName(HWND window);

// A window that does not answer a sent message in this time counts as hung.
constexpr UINT kAnswerTimeout = 2000;

// Sends a message and returns the answer: 0 when the window does not answer
// in time. The window has handled the message when this returns.
LRESULT Ask(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// WM_GETTEXT, which reaches the text of an edit as well as a caption.
std::string WindowText(HWND window);
std::string ControlText(HWND dialog, int id);
// STM_GETICON of a static icon control.
HICON ShownIcon(HWND control);

// Posts what a click on the dialog's push button sends: WM_COMMAND with
// BN_CLICKED from the button.
bool PressButton(HWND dialog, int id);
// A press from the keyboard: the button takes the focus first (a posted
// WM_NEXTDLGCTL, which the program's thread handles), then is pressed.
bool FocusAndPressButton(HWND dialog, int id);
// The thread of the window has a focus window, and it is enabled: the
// keyboard reaches the program.
bool HasEnabledFocus(HWND window);
// BM_CLICK: the button goes down and up as under the mouse, so that a check
// box toggles, and it notifies the dialog, which has handled the click when
// this returns. Only for enabled buttons, as a user could click.
bool ClickButton(HWND dialog, int id);
// A mouse click on the upper or lower arrow of an up-down control; the page
// has handled the step when this returns. False when there is no such
// control.
bool ClickArrow(HWND page, int upDown, bool upper);
// Posts what a key press brings to the window that has the keyboard focus:
// WM_KEYDOWN and WM_KEYUP of a virtual key.
bool PostKeyPress(HWND window, WPARAM key);
// BM_GETCHECK reports BST_CHECKED.
bool IsChecked(HWND dialog, int id);
bool IsEnabled(HWND dialog, int id);

// The entries of another process's combo box, which come across intact only
// as UTF-16.
std::string ComboEntry(HWND combo, WPARAM index);
std::vector<std::string> ComboEntries(HWND combo);

}  // namespace e2e
