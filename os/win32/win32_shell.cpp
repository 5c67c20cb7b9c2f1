#include "os/win32/win32_shell.h"

#include <windows.h>
#include <shellapi.h>

#include "os/win32/system_function.h"
#include "os/win32/timed_message_box.h"

namespace os {
namespace {

Answer AnswerOf(int result) {
  switch (result) {
    case IDYES:
      return Answer::Yes;
    case IDNO:
      return Answer::No;
    case IDCANCEL:
      return Answer::Cancel;
    default:
      return Answer::Ok;
  }
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
  const HWND window = FindWindowA(nullptr, caption.c_str());
  if (window == nullptr) return false;
  ShowWindow(window, SW_RESTORE);
  SetForegroundWindow(window);
  return true;
}

Answer Win32Shell::ShowMessage(const std::string& caption,
                               const std::string& text, Buttons buttons,
                               Icon icon) {
  return AnswerOf(MessageBoxA(GetActiveWindow(), text.c_str(), caption.c_str(),
                              MessageBoxStyle(buttons, icon)));
}

Answer Win32Shell::AskWithTimeout(const std::string& caption,
                                  const CountdownText& text, unsigned seconds,
                                  Icon icon) {
  return AnswerOf(TimedMessageBox(GetActiveWindow(), text, caption,
                                  MessageBoxStyle(Buttons::OkCancel, icon),
                                  seconds));
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
