#pragma once

#include <windows.h>

#include <string>

namespace ui {

// The dialog that asks for a profile's name (IDD_PROFILE_NAME), modal to
// the owner, showing `name` first. False when the user cancelled it or it
// could not be shown.
bool AskProfileName(HINSTANCE instance, HWND owner, std::string& name);

}  // namespace ui
