#include "program_run.h"

#include <vector>

#include "window_control.h"

namespace e2e {

ProgramRun::ProgramRun(const std::string& path, const std::string& arguments) {
  std::string commandLine = "\"" + path + "\"";
  if (!arguments.empty()) commandLine += " " + arguments;
  std::vector<char> writable(commandLine.begin(), commandLine.end());
  writable.push_back('\0');
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  if (!CreateProcessA(path.c_str(), writable.data(), nullptr, nullptr, FALSE, 0,
                      nullptr, nullptr, &startup, &process_))
    process_ = {};
}

// A program that still runs here was not ended by its scenario, which has
// failed: it is stopped so that the next scenario finds no copy running.
ProgramRun::~ProgramRun() {
  if (!Started()) return;
  if (!Ended()) {
    TerminateProcess(process_.hProcess, 1);
    WaitForSingleObject(process_.hProcess, kPatience);
  }
  CloseHandle(process_.hThread);
  CloseHandle(process_.hProcess);
}

bool ProgramRun::WaitForExit(DWORD milliseconds) {
  return Started() &&
         WaitForSingleObject(process_.hProcess, milliseconds) == WAIT_OBJECT_0;
}

bool ProgramRun::WaitUntilSettled(DWORD milliseconds) {
  return Started() && WaitUntil(
                          [this] {
                            return Ended() ||
                                   !TopLevelWindows(ProcessId(), kDialogClass)
                                        .empty();
                          },
                          milliseconds);
}

HWND ProgramRun::WaitForWindow(const std::string& windowClass,
                               const std::string& caption, DWORD milliseconds) {
  return WaitForTopLevel(windowClass, caption, true, milliseconds);
}

HWND ProgramRun::WaitForHiddenOrShownWindow(const std::string& windowClass,
                                            const std::string& caption,
                                            DWORD milliseconds) {
  return WaitForTopLevel(windowClass, caption, false, milliseconds);
}

HWND ProgramRun::WaitForTopLevel(const std::string& windowClass,
                                 const std::string& caption, bool visibleOnly,
                                 DWORD milliseconds) {
  HWND found = nullptr;
  if (!Started()) return nullptr;
  WaitUntil(
      [&] {
        for (HWND window : TopLevelWindows(ProcessId(), windowClass))
          if ((!visibleOnly || IsWindowVisible(window)) &&
              WindowText(window) == caption)
            found = window;
        return found != nullptr || Ended();
      },
      milliseconds);
  return found;
}

bool ProgramRun::WaitUntilIdle(DWORD milliseconds) {
  return Started() &&
         WaitForInputIdle(process_.hProcess, milliseconds) == 0;
}

bool ProgramRun::Ended() const {
  return Started() &&
         WaitForSingleObject(process_.hProcess, 0) == WAIT_OBJECT_0;
}

DWORD ProgramRun::ExitCode() const {
  DWORD code = STILL_ACTIVE;
  if (Started()) GetExitCodeProcess(process_.hProcess, &code);
  return code;
}

}  // namespace e2e
