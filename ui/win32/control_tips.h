#pragma once

#include <windows.h>

namespace ui {

// The tooltips of a page's controls (ui/win32/tip_texts). The tooltip
// window and its tools are made when the mouse first comes over the page,
// not with the page, and each tool asks the page for its text when its tip
// is shown: the tooltip of Windows 95 and NT 4.0 keeps only the first 80
// characters of a text handed to it with the tool. comctl32 must be loaded
// and initialised.
class ControlTips {
 public:
  ControlTips(HWND dialog, HINSTANCE instance)
      : dialog_(dialog), instance_(instance) {}

  // Makes the tooltip window and its tools once; the page calls it at each
  // WM_SETCURSOR, which it gets whenever the mouse is over it or over one
  // of its controls.
  void MakeOnce();
  // Answers TTN_NEEDTEXTA, and TTN_NEEDTEXTW, which comctl32 sends instead
  // to a page that Windows NT made a Unicode window.
  void GiveText(NMHDR& header);

 private:
  static constexpr int kLongestTip = 512;

  HWND dialog_;
  HINSTANCE instance_;
  bool made_ = false;
  // The answer to TTN_NEEDTEXTW, which the tooltip reads after the
  // notification.
  WCHAR wide_[kLongestTip] = {};
};

}  // namespace ui
