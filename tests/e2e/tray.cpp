#include "tray.h"

#include <shellapi.h>

#include <vector>

#include "wait.h"
#include "window_control.h"

namespace e2e {
namespace {

// The window class of popup menus.
const std::string kMenuClass = "#32768";

HWND ShownMenu(DWORD processId) {
  for (HWND menu : TopLevelWindows(processId, kMenuClass))
    if (IsWindowVisible(menu)) return menu;
  return nullptr;
}

}  // namespace

bool HasTrayIcon(HWND window) {
  NOTIFYICONDATAA icon = {};
  icon.cbSize = NOTIFYICONDATAA_V1_SIZE;
  icon.hWnd = window;
  icon.uID = kTrayIconId;
  icon.uFlags = 0;
  return Shell_NotifyIconA(NIM_MODIFY, &icon) != FALSE;
}

bool PostTrayMouse(HWND window, UINT mouseMessage, UINT iconId) {
  static const UINT callback = RegisterWindowMessageA("WM_ICONNOTIFY");
  return PostMessageA(window, callback, iconId, mouseMessage);
}

bool ChooseFromTrayMenu(HWND window, TrayItem item, int subItem) {
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  HWND menu = nullptr;
  if (!PostTrayMouse(window, WM_RBUTTONDOWN) ||
      !WaitUntil([&] { return (menu = ShownMenu(processId)) != nullptr; }))
    return false;
  // The menu opens with no item selected: the first Down selects the top one.
  for (int step = 0; step <= static_cast<int>(item); ++step)
    PostKeyPress(menu, VK_DOWN);
  // Right opens a submenu with its first item selected.
  if (subItem >= 0) PostKeyPress(menu, VK_RIGHT);
  for (int step = 0; step < subItem; ++step) PostKeyPress(menu, VK_DOWN);
  return PostKeyPress(menu, VK_RETURN);
}

}  // namespace e2e
