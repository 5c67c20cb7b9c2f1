#pragma once

#include <windows.h>

#include <string>

#include "wait.h"

namespace e2e {

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
  // The same for a window that may be hidden, which is there as soon as it
  // is created: its initialisation may still run.
  HWND WaitForHiddenOrShownWindow(const std::string& windowClass,
                                  const std::string& caption,
                                  DWORD milliseconds = kPatience);
  // Waits until the process waits for input with none left to handle.
  bool WaitUntilIdle(DWORD milliseconds = kPatience);
  bool Ended() const;
  // The exit code of a process that has ended.
  DWORD ExitCode() const;

 private:
  HWND WaitForTopLevel(const std::string& windowClass,
                       const std::string& caption, bool visibleOnly,
                       DWORD milliseconds);

  PROCESS_INFORMATION process_{};
};

}  // namespace e2e
