#include "program_run.h"

#include <vector>

#include "window_control.h"

namespace e2e {
namespace {

constexpr DWORD kPollInterval = 10;

// Polls a condition until it holds, the process ends or the time is up.
template <typename Condition>
bool PollWhileRunning(HANDLE process, DWORD milliseconds, Condition holds) {
  const DWORD start = GetTickCount();
  for (;;) {
    if (holds()) return true;
    if (WaitForSingleObject(process, kPollInterval) == WAIT_OBJECT_0)
      return holds();
    if (GetTickCount() - start >= milliseconds) return false;
  }
}

}  // namespace

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
  if (!Started()) return false;
  return PollWhileRunning(process_.hProcess, milliseconds, [this] {
    return Ended() || !TopLevelWindows(ProcessId(), kDialogClass).empty();
  });
}

HWND ProgramRun::WaitForWindow(const std::string& windowClass,
                               const std::string& caption, DWORD milliseconds) {
  HWND found = nullptr;
  if (!Started()) return nullptr;
  PollWhileRunning(process_.hProcess, milliseconds, [&] {
    for (HWND window : TopLevelWindows(ProcessId(), windowClass))
      if (IsWindowVisible(window) && WindowText(window) == caption)
        found = window;
    return found != nullptr;
  });
  return found;
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
