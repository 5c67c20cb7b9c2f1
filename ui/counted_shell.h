#pragma once

#include <string>

#include "os/shell.h"

namespace ui {

// Told when the last open message box of the program has closed.
class QuestionsClosed {
 public:
  virtual void OnQuestionsClosed() = 0;

 protected:
  ~QuestionsClosed() = default;
};

// The shell as the main window's pages and commands use it: each message
// box goes to the real shell, and is counted while it is open. A box's
// modal loop goes on handing the main window the tray's and the menus'
// commands, which must not run under the handler that asked; the count
// tells the window to hold them back.
class CountedShell : public os::Shell {
 public:
  CountedShell(os::Shell& shell, QuestionsClosed& listener)
      : shell_(shell), listener_(listener) {}

  bool Asking() const { return open_ > 0; }

  os::MutexState CreateNamedMutex(const std::string& name) override;
  bool MutexExists(const std::string& name) override;
  bool RestoreWindow(const std::string& caption) override;
  os::Answer ShowMessage(const std::string& caption, const std::string& text,
                         os::Buttons buttons, os::Icon icon) override;
  os::Answer AskWithTimeout(const std::string& caption,
                            const os::CountdownText& text, unsigned seconds,
                            os::Icon icon) override;
  void OpenWebPage(const std::string& address) override;
  void BroadcastSettingChange(const std::string& area,
                              unsigned timeout) override;
  void SetVariable(const std::string& name, const std::string* value) override;
  long RunProgram(const std::string& commandLine, const std::string& folder,
                  std::uint32_t& exitCode, std::string& why) override;

 private:
  // Counts one box from before it shows to after it closed.
  class Open {
   public:
    explicit Open(CountedShell& shell) : shell_(shell) { ++shell_.open_; }
    ~Open() {
      if (--shell_.open_ == 0) shell_.listener_.OnQuestionsClosed();
    }
    Open(const Open&) = delete;
    Open& operator=(const Open&) = delete;

   private:
    CountedShell& shell_;
  };

  os::Shell& shell_;
  QuestionsClosed& listener_;
  int open_ = 0;
};

}  // namespace ui
