#pragma once

#include <cstdint>
#include <string>

namespace os {

enum class Buttons { Ok, YesNo, OkCancel };
// Every message box of the program shows the exclamation icon.
enum class Icon { Exclamation };
enum class Answer { Ok, Cancel, Yes, No };

enum class MutexState { Created, AlreadyExisted, Failed };

// What a message box's result answers: the ids of its own buttons (IDOK 1,
// IDCANCEL 2, IDYES 6, IDNO 7). Any other result (0: the box could not be
// shown, or was ended from outside, as when its owner was destroyed or a
// WM_QUIT was waiting) is no consent: Cancel, or No for a Yes/No question.
inline Answer AnswerOfBox(int result, Buttons buttons) {
  switch (result) {
    case 1:
      return Answer::Ok;
    case 6:
      return Answer::Yes;
    case 7:
      return Answer::No;
    default:
      return buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
  }
}

// The text of a question that answers itself: what it shows while a number
// of whole seconds is left.
class CountdownText {
 public:
  virtual std::string At(unsigned secondsLeft) const = 0;

 protected:
  ~CountdownText() = default;
};

// A window that does not answer a setting-change broadcast in this time is
// passed over.
inline constexpr unsigned kBroadcastTimeout = 5000;

// Processes, windows and the shell.
class Shell {
 public:
  virtual ~Shell() = default;

  // CreateMutexA, initially owned; the handle is kept for the life of the
  // process.
  virtual MutexState CreateNamedMutex(const std::string& name) = 0;
  // OpenMutexA: whether some process holds a mutex of that name now.
  virtual bool MutexExists(const std::string& name) = 0;
  // Finds the program's main window, the top-level property sheet with this
  // caption (FindWindowA's caption match, without regard to case), and
  // restores it: ShowWindow(SW_RESTORE) and SetForegroundWindow. Returns
  // whether such a window was found.
  virtual bool RestoreWindow(const std::string& caption) = 0;
  // A modal message box owned by the active window.
  virtual Answer ShowMessage(const std::string& caption, const std::string& text,
                            Buttons buttons, Icon icon) = 0;
  // The same with OK and Cancel, answered with Cancel when nobody answers
  // within `seconds`: it shows text.At(seconds) at first and, once a second,
  // the text of the seconds then left.
  virtual Answer AskWithTimeout(const std::string& caption,
                                const CountdownText& text, unsigned seconds,
                                Icon icon) = 0;
  // ShellExecuteA with the default verb and SW_SHOWNORMAL; the result is
  // ignored.
  virtual void OpenWebPage(const std::string& address) = 0;
  // Tells every top-level window that a part of the settings changed:
  // SendMessageTimeoutA to HWND_BROADCAST with WM_SETTINGCHANGE, wParam 0 and
  // lParam the part's name, passing over hung windows (SMTO_ABORTIFHUNG) and
  // waiting at most `timeout` milliseconds for each. The outcome is ignored.
  virtual void BroadcastSettingChange(const std::string& area,
                                      unsigned timeout) = 0;

  // SetEnvironmentVariableA in the program's own environment, which a
  // program it starts inherits; a null value removes the variable.
  virtual void SetVariable(const std::string& name,
                           const std::string* value) = 0;
  // Starts a program (CreateProcessA of the command line, with `folder` as
  // its working folder), waits for it to end (WaitForSingleObject) and
  // takes its exit code (GetExitCodeProcess). Returns 0, or the error code
  // when it did not start, with the system's text for it in `why`.
  virtual long RunProgram(const std::string& commandLine,
                          const std::string& folder, std::uint32_t& exitCode,
                          std::string& why) = 0;
};

}  // namespace os
