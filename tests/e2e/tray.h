#pragma once

#include <windows.h>

#include "ui/sheet_window.h"

// The program's icon in the taskbar's notification area, seen and used from
// another process as the shell would.
namespace e2e {

using ui::kTrayIconId;

// Whether the shell holds an icon of this window with the program's icon id:
// changing nothing of it (NIM_MODIFY without flags) succeeds only then.
bool HasTrayIcon(HWND window);

// Posts what the shell sends on a mouse message over the icon: the
// registered "WM_ICONNOTIFY" with the icon id and the mouse message.
bool PostTrayMouse(HWND window, UINT mouseMessage, UINT iconId = kTrayIconId);

// The tray menu's items, top to bottom.
enum class TrayItem { Open, Export, Import, Restore, Profiles, Unload };
// Right-clicks the icon and, once the program shows its popup menu, chooses
// an item with the arrow keys and Enter, or with `subItem`, that item of
// its submenu. False when no menu appeared.
bool ChooseFromTrayMenu(HWND window, TrayItem item, int subItem = -1);

}  // namespace e2e
