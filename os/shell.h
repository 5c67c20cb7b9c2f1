#pragma once

#include <string>

namespace os {

enum class Buttons { Ok, YesNo, OkCancel };
// Every message box of the program shows the exclamation icon.
enum class Icon { Exclamation };
enum class Answer { Ok, Cancel, Yes, No };

enum class MutexState { Created, AlreadyExisted, Failed };

// Processes, windows and the shell.
class Shell {
 public:
  virtual ~Shell() = default;

  // CreateMutexA, initially owned; the handle is kept for the life of the
  // process.
  virtual MutexState CreateNamedMutex(const std::string& name) = 0;
  // FindWindowA by caption; when found, ShowWindow(SW_RESTORE) and
  // SetForegroundWindow. Returns whether a window was found.
  virtual bool RestoreWindow(const std::string& caption) = 0;
  // A modal message box owned by the active window.
  virtual Answer ShowMessage(const std::string& caption, const std::string& text,
                            Buttons buttons, Icon icon) = 0;
  // ShellExecuteA with the default verb and SW_SHOWNORMAL; the result is
  // ignored.
  virtual void OpenWebPage(const std::string& address) = 0;
  // Tells every top-level window that a part of the settings changed:
  // SendMessageTimeoutA to HWND_BROADCAST with WM_SETTINGCHANGE, wParam 0 and
  // lParam the part's name, passing over hung windows (SMTO_ABORTIFHUNG) and
  // waiting at most `timeout` milliseconds for each. The outcome is ignored.
  virtual void BroadcastSettingChange(const std::string& area,
                                      unsigned timeout) = 0;
};

}  // namespace os
