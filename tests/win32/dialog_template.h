#pragma once

#include <windows.h>

#include <array>
#include <vector>

// A rectangle as left, top, width and height.
using Box = std::array<int, 4>;

// One control of a dialog template, as the resource compiler wrote it.
struct TemplateControl {
  int id;     // kNoId for a control without one
  Box units;  // in dialog units
};

inline constexpr int kNoId = 0xFFFF;  // IDC_STATIC in a WORD

// The procedure of a dialog made only to be looked at: it handles nothing.
inline INT_PTR CALLBACK NoDialogProcedure(HWND, UINT, WPARAM, LPARAM) {
  return FALSE;
}

// The controls of a dialog of the module's resources, in template order;
// empty when there is no such dialog or it is in the extended form.
std::vector<TemplateControl> ReadDialogTemplate(HINSTANCE instance,
                                                int dialogId);
