// The yardstick of tools/bench-startup: a bare modeless property sheet with
// five pages, as any program of its kind starts one, and no code behind its
// pages. Its own pages are empty, of the size and font of the program's.
// Given the path of the program as its argument, it shows the program's
// five page dialogs instead, read from that file as data: what the pages'
// controls cost to make, without anything the program does. It ends when
// its sheet is closed.
#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include "bare_sheet.h"
#include "resource.h"

namespace {

constexpr int kPages = 5;
constexpr int kProgramPages[kPages] = {IDD_PERFORMANCE, IDD_OPTION,
                                       IDD_DISPLAY, IDD_CONFIGURATION,
                                       IDD_INFORMATION};

INT_PTR CALLBACK EmptyPage(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR program, int) {
  InitCommonControls();
  HINSTANCE templates = instance;
  if (program[0] != '\0') {
    templates = LoadLibraryExA(program, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (templates == nullptr) return 1;
  }
  PROPSHEETPAGEA pages[kPages] = {};
  for (int page = 0; page < kPages; ++page) {
    pages[page].dwSize = sizeof pages[page];
    pages[page].hInstance = templates;
    pages[page].pszTemplate = MAKEINTRESOURCEA(
        templates == instance ? IDD_BARE_FIRST_PAGE + page
                              : kProgramPages[page]);
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
