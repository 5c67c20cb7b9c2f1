#include "ui/win32/profile_name_dialog.h"

#include "res/resource.h"

namespace ui {
namespace {

// A file name of Windows 95 and NT 4.0 is at most 255 characters, with
// ".reg" after the profile's name.
constexpr int kLongestName = 251;

INT_PTR CALLBACK NameProc(HWND dialog, UINT message, WPARAM wParam,
                          LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG: {
      SetWindowLongPtrA(dialog, DWLP_USER, lParam);
      const auto* name = reinterpret_cast<const std::string*>(lParam);
      SendDlgItemMessageA(dialog, IDC_PROFILE_NAME, EM_LIMITTEXT, kLongestName,
                          0);
      SetDlgItemTextA(dialog, IDC_PROFILE_NAME, name->c_str());
      return TRUE;
    }
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK) {
        auto* name = reinterpret_cast<std::string*>(
            GetWindowLongPtrA(dialog, DWLP_USER));
        char text[kLongestName + 1] = {};
        GetDlgItemTextA(dialog, IDC_PROFILE_NAME, text, sizeof text);
        *name = text;
        EndDialog(dialog, IDOK);
        return TRUE;
      }
      if (LOWORD(wParam) == IDCANCEL) {
        EndDialog(dialog, IDCANCEL);
        return TRUE;
      }
      break;
    default:
      break;
  }
  return FALSE;
}

}  // namespace

bool AskProfileName(HINSTANCE instance, HWND owner, std::string& name) {
  return DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_PROFILE_NAME), owner,
                         NameProc, reinterpret_cast<LPARAM>(&name)) == IDOK;
}

}  // namespace ui
