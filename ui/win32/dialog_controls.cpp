#include "ui/win32/dialog_controls.h"

namespace ui {

DialogControls::~DialogControls() {
  for (HBITMAP bitmap : bitmaps_) DeleteObject(bitmap);
}

LRESULT DialogControls::Send(int id, UINT message, WPARAM wParam,
                             LPARAM lParam) {
  return SendDlgItemMessageA(dialog_, id, message, wParam, lParam);
}

bool DialogControls::IsChecked(int id) {
  return IsDlgButtonChecked(dialog_, id) == BST_CHECKED;
}

void DialogControls::SetCheck(int id, bool checked) {
  CheckDlgButton(dialog_, id, checked ? BST_CHECKED : BST_UNCHECKED);
}

bool DialogControls::IsEnabled(int id) {
  return IsWindowEnabled(GetDlgItem(dialog_, id)) != FALSE;
}

// Windows takes the focus from a control it disables and gives it to no
// window at all: the keyboard does nothing then until the user clicks. So
// the focus first moves on to the next enabled control of the page, as Tab
// would move it.
void DialogControls::Enable(int id, bool enabled) {
  const HWND control = GetDlgItem(dialog_, id);
  if (!enabled) {
    const HWND focus = GetFocus();
    if (focus != nullptr && (focus == control || IsChild(control, focus)))
      SendMessageA(dialog_, WM_NEXTDLGCTL, 0, FALSE);
  }
  EnableWindow(control, enabled ? TRUE : FALSE);
}

std::string DialogControls::Text(int id) {
  // The length may count more than the text holds (double-byte code pages),
  // never less.
  const int length = GetWindowTextLengthA(GetDlgItem(dialog_, id));
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  text.resize(GetDlgItemTextA(dialog_, id, &text[0], length + 1));
  return text;
}

void DialogControls::SetText(int id, const std::string& text) {
  SetDlgItemTextA(dialog_, id, text.c_str());
}

bool DialogControls::WholeNumber(int id, bool isSigned, long long& value) {
  BOOL translated = FALSE;
  const UINT number =
      GetDlgItemInt(dialog_, id, &translated, isSigned ? TRUE : FALSE);
  if (!translated) return false;
  value = isSigned ? static_cast<long long>(static_cast<INT>(number))
                   : static_cast<long long>(number);
  return true;
}

void DialogControls::Focus(int id) { SetFocus(GetDlgItem(dialog_, id)); }

void DialogControls::SetButtonBitmap(int id, int bitmapId) {
  const HBITMAP bitmap =
      LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(bitmapId));
  if (bitmap == nullptr) return;
  bitmaps_.push_back(bitmap);
  Send(id, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap));
}

int DialogControls::AddItem(int id, const std::string& text) {
  return static_cast<int>(
      Send(id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
}

void DialogControls::ClearItems(int id) { Send(id, CB_RESETCONTENT); }

int DialogControls::ItemCount(int id) {
  return static_cast<int>(Send(id, CB_GETCOUNT));
}

std::string DialogControls::ItemText(int id, int index) {
  const LRESULT length = Send(id, CB_GETLBTEXTLEN, index);
  if (length == CB_ERR) return {};
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  const LRESULT copied =
      Send(id, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(&text[0]));
  text.resize(copied == CB_ERR ? 0 : static_cast<std::size_t>(copied));
  return text;
}

int DialogControls::CurrentIndex(int id) {
  return static_cast<int>(Send(id, CB_GETCURSEL));
}

void DialogControls::SetCurrentIndex(int id, int index) {
  // Windows clears the selection for an index out of range, Wine keeps it:
  // ask for no selection outright.
  if (index < 0 || index >= ItemCount(id)) index = kNone;
  Send(id, CB_SETCURSEL, static_cast<WPARAM>(index));
}

int DialogControls::Find(int id, UINT message, const std::string& text,
                         int after) {
  return static_cast<int>(Send(id, message, static_cast<WPARAM>(after),
                               reinterpret_cast<LPARAM>(text.c_str())));
}

int DialogControls::FindPrefix(int id, const std::string& prefix, int after) {
  return Find(id, CB_FINDSTRING, prefix, after);
}

int DialogControls::FindExact(int id, const std::string& text, int after) {
  return Find(id, CB_FINDSTRINGEXACT, text, after);
}

}  // namespace ui
