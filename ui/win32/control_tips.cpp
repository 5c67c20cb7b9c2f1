#include "ui/win32/control_tips.h"

#include <commctrl.h>

#include "ui/win32/tip_texts.h"

namespace ui {
namespace {

// Tips of two sentences wrap at this width (comctl32 4.70 and later; the
// first comctl32 shows one line) and stay long enough to be read.
constexpr LPARAM kTipWidth = 320;
constexpr WORD kShowMilliseconds = 20000;

void AddTool(HWND tips, TOOLINFOA tool) {
  SendMessageA(tips, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

// A control is a tool twice. By its window, since an enabled control gets
// the mouse's messages itself, and so does a combo box's edit field. By its
// rectangle on the page, since the page gets the messages over a disabled
// control and over a static text.
void AddControl(HWND tips, HWND dialog, HWND control, int id) {
  TOOLINFOA tool = {};
  // The record as the first comctl32 knows it.
  tool.cbSize = TTTOOLINFOA_V1_SIZE;
  tool.hwnd = dialog;
  tool.lpszText = LPSTR_TEXTCALLBACKA;
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

// The id of the control a tool stands for: a tool by window is the control
// or a combo box's edit field.
int ControlOf(HWND dialog, UINT_PTR tool, UINT flags) {
  if ((flags & TTF_IDISHWND) == 0) return static_cast<int>(tool);
  HWND window = reinterpret_cast<HWND>(tool);
  if (GetParent(window) != dialog) window = GetParent(window);
  return GetDlgCtrlID(window);
}

}  // namespace

void ControlTips::MakeOnce() {
  if (made_) return;
  made_ = true;
  const HWND tips = CreateWindowExA(
      0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
      CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, dialog_,
      nullptr, instance_, nullptr);
  if (tips == nullptr) return;
  SendMessageA(tips, TTM_SETMAXTIPWIDTH, 0, kTipWidth);
  SendMessageA(tips, TTM_SETDELAYTIME, TTDT_AUTOPOP,
               MAKELPARAM(kShowMilliseconds, 0));
  for (HWND control = GetWindow(dialog_, GW_CHILD); control != nullptr;
       control = GetWindow(control, GW_HWNDNEXT)) {
    const int id = GetDlgCtrlID(control);
    if (TipText(id) != nullptr) AddControl(tips, dialog_, control, id);
  }
}

void ControlTips::GiveText(NMHDR& header) {
  auto& narrow = reinterpret_cast<NMTTDISPINFOA&>(header);
  auto& wide = reinterpret_cast<NMTTDISPINFOW&>(header);
  const bool unicode = header.code == TTN_NEEDTEXTW;
  const char* text = TipText(
      ControlOf(dialog_, header.idFrom, unicode ? wide.uFlags : narrow.uFlags));
  if (text == nullptr) return;
  if (unicode) {
    MultiByteToWideChar(CP_ACP, 0, text, -1, wide_, kLongestTip);
    wide.lpszText = wide_;
  } else {
    // The texts last as long as the program; the tooltip only reads them.
    narrow.lpszText = const_cast<char*>(text);
  }
}

}  // namespace ui
