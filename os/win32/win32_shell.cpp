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

bool Win32Shell::MutexExists(const std::string& name) {
  const HANDLE mutex = OpenMutexA(SYNCHRONIZE, FALSE, name.c_str());
  if (mutex == nullptr) return false;
  CloseHandle(mutex);
  return true;
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

void Win32Shell::SetVariable(const std::string& name,
                             const std::string* value) {
  SetEnvironmentVariableA(name.c_str(),
                          value != nullptr ? value->c_str() : nullptr);
}

long Win32Shell::RunProgram(const std::string& commandLine,
                            const std::string& folder, std::uint32_t& exitCode,
                            std::string& why) {
  // CreateProcessA may write into the command line it is given.
  std::string line = commandLine;
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  if (!CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr,
                      folder.empty() ? nullptr : folder.c_str(), &startup,
                      &process)) {
    const DWORD error = GetLastError();
    char text[256] = {};
    FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                   nullptr, error, 0, text, sizeof text, nullptr);
    why = text;
    while (!why.empty() && (why.back() == '\n' || why.back() == '\r'))
      why.pop_back();
    return static_cast<long>(error);
  }
  CloseHandle(process.hThread);
  WaitForSingleObject(process.hProcess, INFINITE);
  DWORD code = 0;
  GetExitCodeProcess(process.hProcess, &code);
  CloseHandle(process.hProcess);
  exitCode = code;
  return 0;
}

}  // namespace os
