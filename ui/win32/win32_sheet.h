#pragma once

#include <windows.h>

#include <string>

#include "ui/sheet_handler.h"
#include "ui/win32/common_controls.h"

namespace ui {

// The main window over a real modeless property sheet: creates it, hands
// its messages to the sheet's handler and carries out what the handler asks.
class Win32Sheet : public SheetHost, public SheetWindow {
 public:
  explicit Win32Sheet(HINSTANCE instance);

  bool Create(SheetHandler& sheet, bool visible) override;
  HWND Window() const { return window_; }

  void Hide() override;
  void Destroy() override;
  void AddTrayIcon() override;
  void RemoveTrayIcon() override;
  void PostCommand(int id) override;
  void ShowTrayMenu() override;
  int ActivePage() override;
  void SetActivePage(int index) override;
  void CenterAndRestore() override;
  void PressButton(SheetButton button) override;
  bool ChooseFile(FileChoice choice, std::string& path) override;
  bool AskProfileName(std::string& name) override;

 private:
  static int CALLBACK SheetCallback(HWND window, UINT message, LPARAM lParam);
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam,
                                     LPARAM lParam);
  void Initialize(HWND window);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  void PaintIconic();
  bool NotifyTray(DWORD change);
  // Shows the icon in the tray, or tries again later.
  void ShowTrayIcon();
  // Fills a "Profiles" submenu with what the handler lists now.
  void FillProfiles(HMENU menu);

  HINSTANCE instance_;
  CommonControls commonControls_;
  UINT trayMessage_ = 0;     // the registered "WM_ICONNOTIFY"
  UINT taskbarCreated_ = 0;  // the registered "TaskbarCreated"
  HICON icon_ = nullptr;
  std::string caption_;
  SheetHandler* handler_ = nullptr;
  HWND window_ = nullptr;
  WNDPROC baseProc_ = nullptr;
  HMENU systemProfiles_ = nullptr;  // the system menu's "Profiles"
  // The tray icon: none, added but not yet handed to the shell (the
  // window posts itself the add), or in the tray (or being tried again).
  enum class Tray { None, Pending, Shown };
  Tray tray_ = Tray::None;
};

}  // namespace ui
