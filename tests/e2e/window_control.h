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

// WM_GETTEXT, which reaches the text of an edit as well as a caption.
std::string WindowText(HWND window);
std::string ControlText(HWND dialog, int id);
// STM_GETICON of a static icon control.
HICON ShownIcon(HWND control);

// Posts what a click on the dialog's push button sends: WM_COMMAND with
// BN_CLICKED from the button.
bool PressButton(HWND dialog, int id);

}  // namespace e2e
