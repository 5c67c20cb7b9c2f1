#include "os/win32/win32_shell.h"

#include <windows.h>
#include <shellapi.h>

#include "os/win32/system_function.h"
#include "os/win32/timed_message_box.h"

namespace os {
namespace {

// The program's main window: a property sheet, that is a dialog with a tab
// control, with the program's caption. An Explorer folder window named
// after the program's folder has the same caption, so the caption alone
// does not tell it apart.
HWND FindSheet(const std::string& caption) {
  HWND window = nullptr;
  while ((window = FindWindowExA(nullptr, window, "#32770",
                                 caption.c_str())) != nullptr)
    if (FindWindowExA(window, nullptr, "SysTabControl32", nullptr) != nullptr)
      return window;
  return nullptr;
}

}  // namespace

unsigned MessageBoxStyle(Buttons buttons, Icon icon) {
  unsigned style = MB_OK;
  if (buttons == Buttons::YesNo) style = MB_YESNO;
  if (buttons == Buttons::OkCancel) style = MB_OKCANCEL;
  switch (icon) {
    case Icon::Exclamation:
      return style | MB_ICONEXCLAMATION;
  }
  return style;
}

MutexState Win32Shell::CreateNamedMutex(const std::string& name) {
  // The handle stays open for the life of the process.
  const HANDLE mutex = CreateMutexA(nullptr, TRUE, name.c_str());
  if (mutex == nullptr) return MutexState::Failed;
  return GetLastError() == ERROR_ALREADY_EXISTS ? MutexState::AlreadyExisted
                                                : MutexState::Created;
}

bool Win32Shell::RestoreWindow(const std::string& caption) {
  const HWND window = FindSheet(caption);
  if (window == nullptr) return false;
  ShowWindow(window, SW_RESTORE);
  SetForegroundWindow(window);
  return true;
}

Answer Win32Shell::ShowMessage(const std::string& caption,
                               const std::string& text, Buttons buttons,
                               Icon icon) {
  return AnswerOfBox(MessageBoxA(GetActiveWindow(), text.c_str(),
                                 caption.c_str(),
                                 MessageBoxStyle(buttons, icon)),
                     buttons);
}

Answer Win32Shell::AskWithTimeout(const std::string& caption,
                                  const CountdownText& text, unsigned seconds,
                                  Icon icon) {
  return AnswerOfBox(TimedMessageBox(GetActiveWindow(), text, caption,
                                     MessageBoxStyle(Buttons::OkCancel, icon),
                                     seconds),
                     Buttons::OkCancel);
}

void Win32Shell::OpenWebPage(const std::string& address) {
  using ExecuteFunction =
      HINSTANCE(WINAPI*)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);
  const auto execute =
      SystemFunction<ExecuteFunction>("shell32.dll", "ShellExecuteA");
  if (execute == nullptr) return;
  execute(nullptr, nullptr, address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void Win32Shell::BroadcastSettingChange(const std::string& area,
                                        unsigned timeout) {
  DWORD_PTR ignored = 0;
  SendMessageTimeoutA(HWND_BROADCAST, WM_SETTINGCHANGE, 0,
                      reinterpret_cast<LPARAM>(area.c_str()), SMTO_ABORTIFHUNG,
                      timeout, &ignored);
}

}  // namespace os
