#include "ui/win32/control_tips.h"

#include <commctrl.h>

namespace ui {
namespace {

// Tips of two sentences wrap at this width (comctl32 4.70 and later; the
// first comctl32 shows one line) and stay long enough to be read.
constexpr LPARAM kTipWidth = 320;
constexpr WORD kShowMilliseconds = 20000;
constexpr int kLongestTip = 512;

void AddTool(HWND tips, TOOLINFOA tool) {
  SendMessageA(tips, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

// A control is a tool twice. By its window, since an enabled control gets
// the mouse's messages itself, and so does a combo box's edit field. By its
// rectangle on the page, since the page gets the messages over a disabled
// control and over a static text.
void AddControl(HWND tips, HWND dialog, HWND control, int id, char* text) {
  TOOLINFOA tool = {};
  // The record as the first comctl32 knows it.
  tool.cbSize = TTTOOLINFOA_V1_SIZE;
  tool.hwnd = dialog;
  tool.lpszText = text;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  AddTool(tips, tool);
  if (HWND field = GetWindow(control, GW_CHILD)) {
    tool.uId = reinterpret_cast<UINT_PTR>(field);
    AddTool(tips, tool);
  }
  tool.uFlags = TTF_SUBCLASS;
  tool.uId = static_cast<UINT_PTR>(id);
  GetWindowRect(control, &tool.rect);
  MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&tool.rect), 2);
  AddTool(tips, tool);
}

}  // namespace

void AddControlTips(HWND dialog, HINSTANCE instance) {
  const HWND tips = CreateWindowExA(
      0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
      CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, dialog,
      nullptr, instance, nullptr);
  if (tips == nullptr) return;
  SendMessageA(tips, TTM_SETMAXTIPWIDTH, 0, kTipWidth);
  SendMessageA(tips, TTM_SETDELAYTIME, TTDT_AUTOPOP,
               MAKELPARAM(kShowMilliseconds, 0));
  for (HWND control = GetWindow(dialog, GW_CHILD); control != nullptr;
       control = GetWindow(control, GW_HWNDNEXT)) {
    const int id = GetDlgCtrlID(control);
    char text[kLongestTip];
    if (LoadStringA(instance, static_cast<UINT>(id), text, sizeof text) > 0)
      AddControl(tips, dialog, control, id, text);
  }
}

}  // namespace ui
