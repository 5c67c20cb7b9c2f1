// The yardstick of tools/bench-startup: a bare modeless property sheet with
// five empty pages of the program's size, as any program of its kind starts
// one. It ends when its sheet is closed.
#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include "bare_sheet.h"

namespace {

constexpr int kPages = 5;

INT_PTR CALLBACK EmptyPage(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  InitCommonControls();
  PROPSHEETPAGEA pages[kPages] = {};
  for (int page = 0; page < kPages; ++page) {
    pages[page].dwSize = sizeof pages[page];
    pages[page].hInstance = instance;
    pages[page].pszTemplate = MAKEINTRESOURCEA(IDD_BARE_FIRST_PAGE + page);
    pages[page].pfnDlgProc = EmptyPage;
  }
  PROPSHEETHEADERA header = {};
  header.dwSize = sizeof header;
  header.dwFlags = PSH_MODELESS | PSH_PROPSHEETPAGE;
  header.hInstance = instance;
  header.pszCaption = kBareSheetTitle;
  header.nPages = kPages;
  header.ppsp = pages;
  const HWND sheet = reinterpret_cast<HWND>(PropertySheetA(&header));
  if (sheet == nullptr) return 1;

  MSG message;
  while (PropSheet_GetCurrentPageHwnd(sheet) != nullptr &&
         GetMessageA(&message, nullptr, 0, 0) > 0) {
    if (PropSheet_IsDialogMessage(sheet, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  DestroyWindow(sheet);
  return 0;
}
