#pragma once

#include <windows.h>

#include <string>

namespace e2e {

// How long a scenario waits for the program at most, for any one thing.
constexpr DWORD kPatience = 10000;

// One run of a program: started at construction, and ended at destruction if
// it still runs, so that no scenario leaves a copy (and its single-instance
// mutex) behind for the next one.
class ProgramRun {
 public:
  explicit ProgramRun(const std::string& path,
                      const std::string& arguments = "");
  ~ProgramRun();
  ProgramRun(const ProgramRun&) = delete;
  ProgramRun& operator=(const ProgramRun&) = delete;

  bool Started() const { return process_.hProcess != nullptr; }
  DWORD ProcessId() const { return process_.dwProcessId; }

  // Waits until the process has ended; false when it still runs.
  bool WaitForExit(DWORD milliseconds = kPatience);
  // Waits until the process has ended or waits for the user with a dialog
  // (the main window or a message box); false when neither happened in
  // time.
  bool WaitUntilSettled(DWORD milliseconds = kPatience);
  // Waits for a visible top-level window of this process with this class
  // and caption. A dialog is shown once it is initialised, so its controls
  // are complete by then. Null when it did not appear in time or the
  // process ended.
  HWND WaitForWindow(const std::string& windowClass, const std::string& caption,
                     DWORD milliseconds = kPatience);
  bool Ended() const;
  // The exit code of a process that has ended.
  DWORD ExitCode() const;

 private:
  PROCESS_INFORMATION process_{};
};

}  // namespace e2e
