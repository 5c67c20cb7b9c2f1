#pragma once

#include <windows.h>

namespace ui {

// Gives every control of a page's dialog whose id has a string among the
// resources that string as its tooltip (res/resource.h: a control's tip has
// the control's id). comctl32 must be loaded and initialised.
void AddControlTips(HWND dialog, HINSTANCE instance);

}  // namespace ui
