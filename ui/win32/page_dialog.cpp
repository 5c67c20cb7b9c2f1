#include "ui/win32/page_dialog.h"

#include <commctrl.h>

#include "ui/win32/control_tips.h"
#include "ui/win32/dialog_controls.h"

namespace ui {
namespace {

constexpr char kBindingProperty[] = "KvartunePage";

// What a page's dialog keeps while it exists.
struct Binding {
  PropertyPage* page;
  DialogControls controls;
  ControlTips tips;
};

Binding* BindingOf(HWND dialog) {
  return static_cast<Binding*>(GetPropA(dialog, kBindingProperty));
}

INT_PTR Result(HWND dialog, LONG_PTR result) {
  SetWindowLongPtrA(dialog, DWLP_MSGRESULT, result);
  return TRUE;
}

INT_PTR OnNotify(HWND dialog, Binding& binding, NMHDR& header) {
  switch (header.code) {
    case PSN_SETACTIVE:
      binding.page->OnSetActive();
      return Result(dialog, 0);
    case PSN_KILLACTIVE:
      // A page whose edits hold no number keeps the focus.
      return Result(dialog, binding.page->UpdateData(true) ? FALSE : TRUE);
    case UDN_DELTAPOS: {
      const auto& step = reinterpret_cast<const NMUPDOWN&>(header);
      return Result(dialog, binding.page->OnDeltaPos(
                                static_cast<int>(header.idFrom), step.iDelta));
    }
    case TTN_NEEDTEXTA:
    case TTN_NEEDTEXTW:
      binding.tips.GiveText(header);
      return Result(dialog, 0);
    default:
      return FALSE;
  }
}

INT_PTR CALLBACK PageProc(HWND dialog, UINT message, WPARAM wParam,
                          LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    const auto* sheetPage = reinterpret_cast<const PROPSHEETPAGEA*>(lParam);
    auto* page = reinterpret_cast<PropertyPage*>(sheetPage->lParam);
    auto* binding = new Binding{page, DialogControls(dialog),
                                ControlTips(dialog, sheetPage->hInstance)};
    SetPropA(dialog, kBindingProperty, binding);
    page->Bind(binding->controls);
    return page->OnInitDialog() ? TRUE : FALSE;
  }
  Binding* binding = BindingOf(dialog);
  if (binding == nullptr) return FALSE;
  switch (message) {
    case WM_NOTIFY:
      return OnNotify(dialog, *binding, *reinterpret_cast<NMHDR*>(lParam));
    case WM_COMMAND:
      return binding->page->OnCommand(LOWORD(wParam), HIWORD(wParam)) ? TRUE
                                                                      : FALSE;
    case WM_SETCURSOR:
      binding->tips.MakeOnce();
      return FALSE;
    case WM_NCDESTROY:
      RemovePropA(dialog, kBindingProperty);
      delete binding;
      return FALSE;
    default:
      return FALSE;
  }
}

}  // namespace

HPROPSHEETPAGE MakeSheetPage(const CommonControls& controls,
                             HINSTANCE instance, PropertyPage& page) {
  PROPSHEETPAGEA sheetPage = {};
  // The first version of the record, which every comctl32 reads. Each page
  // is made on its own: comctl32 steps through an array of records by the
  // size each one gives, so an array of larger records cannot be passed.
  sheetPage.dwSize = PROPSHEETPAGEA_V1_SIZE;
  sheetPage.dwFlags = PSP_DEFAULT;
  sheetPage.hInstance = instance;
  sheetPage.pszTemplate = MAKEINTRESOURCEA(page.DialogId());
  sheetPage.pfnDlgProc = PageProc;
  sheetPage.lParam = reinterpret_cast<LPARAM>(&page);
  return controls.CreatePage(sheetPage);
}

}  // namespace ui
