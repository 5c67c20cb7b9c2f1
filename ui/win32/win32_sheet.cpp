#include "ui/win32/win32_sheet.h"

#include <commctrl.h>
#include <prsht.h>
#include <shellapi.h>

#include <vector>

#include "os/win32/system_function.h"
#include "res/resource.h"
#include "ui/win32/file_dialog.h"
#include "ui/win32/page_dialog.h"
#include "ui/win32/profile_name_dialog.h"

namespace ui {
namespace {

constexpr char kSheetProperty[] = "KvartuneSheet";
constexpr int kApplyNowId = 12321;
// Posted by AddTrayIcon: the icon is added once the window is up.
constexpr UINT kAddTrayIconMessage = WM_APP;
// An add that the shell refused (a start from the Run entry before the
// shell's tray is up) is tried again on this timer, every two seconds.
constexpr UINT_PTR kTrayRetryTimer = 0x4B56;  // "KV": not the sheet's own
constexpr UINT kTrayRetryMilliseconds = 2000;

// The settings commands the system menu offers below its own items.
struct SettingsItem {
  UINT command;
  const char* text;
};
constexpr SettingsItem kSettingsItems[] = {
    {ID_SETTINGS_EXPORT, KVT_MENU_EXPORT},
    {ID_SETTINGS_IMPORT, KVT_MENU_IMPORT},
    {ID_SETTINGS_RESTORE, KVT_MENU_RESTORE},
};
// WM_SYSCOMMAND: the system uses a command's low four bits.
constexpr WPARAM kSystemCommandMask = 0xFFF0;
constexpr UINT kProfileStep = 16;

bool ProfileCommand(WPARAM command) {
  return command == ID_PROFILE_SAVE || command == ID_PROFILE_PUT_BACK ||
         (command >= ID_PROFILE_FIRST &&
          command < ID_PROFILE_FIRST + KVT_PROFILE_ITEMS * kProfileStep);
}

// A menu shows "&" as the underline of the next character.
std::string MenuText(const std::string& text) {
  std::string shown;
  for (char c : text) {
    if (c == '&') shown += '&';
    shown += c;
  }
  return shown;
}

// The property sheet's creation callbacks carry no pointer of their own;
// the one sheet being created is kept here until its window exists.
Win32Sheet* creating = nullptr;
DWORD creatingStyle = 0;

// Start-up's window style, on the property sheet's own template.
void SetTemplateStyle(void* dialogTemplate, DWORD style) {
  auto* words = static_cast<WORD*>(dialogTemplate);
  const bool extended = words[1] == 0xFFFF;  // DLGTEMPLATEEX
  DWORD* styleField = extended ? reinterpret_cast<DWORD*>(words + 6)
                               : reinterpret_cast<DWORD*>(words);
  DWORD* exStyleField = extended ? reinterpret_cast<DWORD*>(words + 4)
                                 : reinterpret_cast<DWORD*>(words + 2);
  *styleField = (*styleField & (DS_SETFONT | DS_3DLOOK)) | style;
  *exStyleField = 0;
}

}  // namespace

Win32Sheet::Win32Sheet(HINSTANCE instance) : instance_(instance) {}

bool Win32Sheet::Create(SheetHandler& sheet, bool visible) {
  if (!commonControls_.Load()) return false;
  trayMessage_ = RegisterWindowMessageA("WM_ICONNOTIFY");
  // Broadcast by the shell of Internet Explorer 4 and later when Explorer
  // starts again (after a crash): the tray it makes holds no icons.
  taskbarCreated_ = RegisterWindowMessageA("TaskbarCreated");
  icon_ = LoadIconA(instance_, MAKEINTRESOURCEA(IDI_SHEET_ICON));
  char caption[64] = {};
  LoadStringA(instance_, IDS_TITLE, caption, sizeof caption);
  caption_ = caption;
  handler_ = &sheet;
  std::vector<HPROPSHEETPAGE> pages;
  for (PropertyPage* page : sheet.Pages())
    pages.push_back(MakeSheetPage(commonControls_, instance_, *page));

  PROPSHEETHEADERA header = {};
  header.dwSize = PROPSHEETHEADERA_V1_SIZE;
  header.dwFlags =
      PSH_MODELESS | PSH_USECALLBACK | PSH_NOAPPLYNOW | PSH_USEHICON;
  header.hInstance = instance_;
  header.hIcon = icon_;
  header.pszCaption = caption_.c_str();
  header.nPages = static_cast<UINT>(pages.size());
  header.nStartPage = 0;
  header.phpage = pages.data();
  header.pfnCallback = SheetCallback;

  creating = this;
  creatingStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX |
                  DS_MODALFRAME | (visible ? WS_VISIBLE : 0);
  const INT_PTR created = commonControls_.PropertySheet(header);
  creating = nullptr;
  return created != 0 && created != -1 && window_ != nullptr;
}

int CALLBACK Win32Sheet::SheetCallback(HWND window, UINT message,
                                       LPARAM lParam) {
  if (message == PSCB_PRECREATE && lParam != 0)
    SetTemplateStyle(reinterpret_cast<void*>(lParam), creatingStyle);
  if (message == PSCB_INITIALIZED && creating != nullptr)
    creating->Initialize(window);
  return 0;
}

void Win32Sheet::Initialize(HWND window) {
  window_ = window;
  SetPropA(window, kSheetProperty, this);
  baseProc_ = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
      window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(WindowProc)));

  SendMessageA(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
  SendMessageA(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));
  for (int id : {IDOK, kApplyNowId, IDCANCEL, IDHELP}) {
    if (HWND button = GetDlgItem(window, id)) DestroyWindow(button);
  }
  HMENU systemMenu = GetSystemMenu(window, FALSE);
  for (UINT command : {SC_RESTORE, SC_SIZE, SC_MAXIMIZE})
    DeleteMenu(systemMenu, command, MF_BYCOMMAND);
  AppendMenuA(systemMenu, MF_SEPARATOR, 0, nullptr);
  for (const SettingsItem& item : kSettingsItems)
    AppendMenuA(systemMenu, MF_STRING, item.command, item.text);
  systemProfiles_ = CreatePopupMenu();
  AppendMenuA(systemMenu, MF_POPUP, reinterpret_cast<UINT_PTR>(systemProfiles_),
              KVT_MENU_PROFILES);
  handler_->OnInitialize(*this);
}

LRESULT CALLBACK Win32Sheet::WindowProc(HWND window, UINT message,
                                        WPARAM wParam, LPARAM lParam) {
  auto* sheet = static_cast<Win32Sheet*>(GetPropA(window, kSheetProperty));
  if (sheet == nullptr) return DefWindowProcA(window, message, wParam, lParam);
  return sheet->Handle(message, wParam, lParam);
}

LRESULT Win32Sheet::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kAddTrayIconMessage) {
    if (tray_ == Tray::Pending) {
      tray_ = Tray::Shown;
      ShowTrayIcon();
    }
    return 0;
  }
  if (message == taskbarCreated_ && taskbarCreated_ != 0) {
    if (tray_ == Tray::Shown) ShowTrayIcon();
    return 0;
  }
  if (message == trayMessage_) {
    handler_->OnTrayNotify(static_cast<unsigned>(wParam),
                           static_cast<unsigned>(lParam));
    return 0;
  }
  switch (message) {
    case WM_TIMER:
      if (wParam != kTrayRetryTimer) break;
      KillTimer(window_, kTrayRetryTimer);
      if (tray_ == Tray::Shown) ShowTrayIcon();
      return 0;
    case WM_SYSCOMMAND:
      if ((wParam & kSystemCommandMask) == SC_CLOSE) {
        handler_->OnClose();
        return 0;
      }
      for (const SettingsItem& item : kSettingsItems)
        if ((wParam & kSystemCommandMask) == item.command) {
          handler_->OnCommand(static_cast<int>(item.command));
          return 0;
        }
      if (ProfileCommand(wParam & kSystemCommandMask)) {
        handler_->OnCommand(static_cast<int>(wParam & kSystemCommandMask));
        return 0;
      }
      break;
    case WM_INITMENUPOPUP:
      if (reinterpret_cast<HMENU>(wParam) == systemProfiles_)
        FillProfiles(systemProfiles_);
      break;
    case WM_SIZE: {
      const LRESULT result =
          CallWindowProcA(baseProc_, window_, message, wParam, lParam);
      if (wParam == SIZE_MINIMIZED) ShowWindow(window_, SW_SHOWMINIMIZED);
      return result;
    }
    case WM_PAINT:
      if (IsIconic(window_)) {
        PaintIconic();
        return 0;
      }
      break;
    case WM_QUERYDRAGICON:
      return reinterpret_cast<LRESULT>(icon_);
    case WM_COMMAND:
      if (HIWORD(wParam) == 0 && handler_->OnCommand(LOWORD(wParam))) return 0;
      break;
    case WM_NCDESTROY: {
      const HWND window = window_;
      const WNDPROC baseProc = baseProc_;
      RemovePropA(window, kSheetProperty);
      window_ = nullptr;
      PostQuitMessage(0);
      return CallWindowProcA(baseProc, window, message, wParam, lParam);
    }
    default:
      break;
  }
  return CallWindowProcA(baseProc_, window_, message, wParam, lParam);
}

void Win32Sheet::PaintIconic() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window_, &paint);
  SendMessageA(window_, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  RECT client;
  GetClientRect(window_, &client);
  const int x =
      (client.right - client.left - GetSystemMetrics(SM_CXICON) + 1) / 2;
  const int y =
      (client.bottom - client.top - GetSystemMetrics(SM_CYICON) + 1) / 2;
  DrawIcon(dc, x, y, icon_);
  EndPaint(window_, &paint);
}

void Win32Sheet::Hide() { ShowWindow(window_, SW_HIDE); }

void Win32Sheet::Destroy() { DestroyWindow(window_); }

// shell32, which the tray needs, takes a good share of a start to load
// (under Wine about as long as the rest of the process start), so it is
// loaded and the icon added only after the main window is shown.
void Win32Sheet::AddTrayIcon() {
  tray_ = Tray::Pending;
  PostMessageA(window_, kAddTrayIconMessage, 0, 0);
}

void Win32Sheet::RemoveTrayIcon() {
  if (tray_ == Tray::Shown) {
    KillTimer(window_, kTrayRetryTimer);
    NotifyTray(NIM_DELETE);
  }
  tray_ = Tray::None;
}

// An add refused because the icon is already there (an earlier add that
// timed out in a busy shell, say) leaves an icon that a change finds.
void Win32Sheet::ShowTrayIcon() {
  if (!NotifyTray(NIM_ADD) && !NotifyTray(NIM_MODIFY))
    SetTimer(window_, kTrayRetryTimer, kTrayRetryMilliseconds, nullptr);
}

bool Win32Sheet::NotifyTray(DWORD change) {
  using NotifyFunction = BOOL(WINAPI*)(DWORD, PNOTIFYICONDATAA);
  const auto notify =
      os::SystemFunction<NotifyFunction>("shell32.dll", "Shell_NotifyIconA");
  if (notify == nullptr) return false;
  NOTIFYICONDATAA icon = {};
  icon.cbSize = NOTIFYICONDATAA_V1_SIZE;
  icon.hWnd = window_;
  icon.uID = kTrayIconId;
  if (change != NIM_DELETE) {
    icon.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    icon.uCallbackMessage = trayMessage_;
    icon.hIcon = icon_;
    lstrcpynA(icon.szTip, caption_.c_str(), sizeof icon.szTip);
  }
  return notify(change, &icon) != FALSE;
}

void Win32Sheet::PostCommand(int id) {
  PostMessageA(window_, WM_COMMAND, static_cast<WPARAM>(id), 0);
}

void Win32Sheet::ShowTrayMenu() {
  HMENU menu = LoadMenuA(instance_, MAKEINTRESOURCEA(IDR_TRAY_MENU));
  if (menu == nullptr) return;
  POINT cursor;
  GetCursorPos(&cursor);
  // The owner must be in the foreground, or the menu stays open when the
  // user clicks elsewhere.
  SetForegroundWindow(window_);
  const HMENU tray = GetSubMenu(menu, 0);
  for (int i = 0; i < GetMenuItemCount(tray); ++i)
    if (HMENU profiles = GetSubMenu(tray, i)) FillProfiles(profiles);
  TrackPopupMenu(tray, TPM_RIGHTALIGN | TPM_RIGHTBUTTON,
                 cursor.x, cursor.y, 0, window_, nullptr);
  PostMessageA(window_, WM_NULL, 0, 0);
  DestroyMenu(menu);
}

int Win32Sheet::ActivePage() {
  const HWND tabs = PropSheet_GetTabControl(window_);
  return static_cast<int>(SendMessageA(tabs, TCM_GETCURSEL, 0, 0));
}

void Win32Sheet::SetActivePage(int index) {
  PropSheet_SetCurSel(window_, nullptr, index);
}

void Win32Sheet::CenterAndRestore() {
  RECT desktop, own;
  GetWindowRect(GetDesktopWindow(), &desktop);
  GetWindowRect(window_, &own);
  const int width = own.right - own.left;
  const int height = own.bottom - own.top;
  SetWindowPos(window_, HWND_TOP, (desktop.right - width) / 2,
               (desktop.bottom - height) / 2, width, height, SWP_SHOWWINDOW);
  ShowWindow(window_, SW_RESTORE);
  SetForegroundWindow(window_);
}

void Win32Sheet::PressButton(SheetButton button) {
  switch (button) {
    case SheetButton::Ok:
      PropSheet_PressButton(window_, PSBTN_OK);
      break;
    case SheetButton::Cancel:
      PropSheet_PressButton(window_, PSBTN_CANCEL);
      break;
  }
}

bool Win32Sheet::ChooseFile(FileChoice choice, std::string& path) {
  return ChooseRegistryFile(window_, choice, path);
}

bool Win32Sheet::AskProfileName(std::string& name) {
  return ui::AskProfileName(instance_, window_, name);
}

void Win32Sheet::FillProfiles(HMENU menu) {
  while (GetMenuItemCount(menu) > 0) DeleteMenu(menu, 0, MF_BYPOSITION);
  const ProfileMenu profiles = handler_->Profiles();
  for (std::size_t i = 0;
       i < profiles.names.size() && i < KVT_PROFILE_ITEMS; ++i)
    AppendMenuA(menu,
                MF_STRING | (profiles.names[i] == profiles.active ? MF_CHECKED
                                                                  : 0),
                ID_PROFILE_FIRST + kProfileStep * i,
                MenuText(profiles.names[i]).c_str());
  if (!profiles.names.empty()) AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
  AppendMenuA(menu, MF_STRING, ID_PROFILE_SAVE, KVT_MENU_SAVE_PROFILE);
  if (!profiles.putBack.empty())
    AppendMenuA(menu, MF_STRING, ID_PROFILE_PUT_BACK,
                MenuText(profiles.putBack).c_str());
}

}  // namespace ui
