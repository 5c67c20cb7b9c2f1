#pragma once

#include <windows.h>

#include <string>

#include "ui/sheet_window.h"

namespace ui {

// comdlg32's standard Save As or Open dialog for a registry file, owned by
// the window. comdlg32 is loaded at the first call, not imported. False when
// the user cancelled or the dialog could not be shown.
bool ChooseRegistryFile(HWND owner, FileChoice choice, std::string& path);

}  // namespace ui
