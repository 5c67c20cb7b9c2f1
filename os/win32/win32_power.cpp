#include "os/win32/win32_power.h"

#include <windows.h>

namespace os {

unsigned ExitWindowsFlags(Restart kind) {
  switch (kind) {
    case Restart::Forced:
      return EWX_REBOOT | EWX_FORCE;
    case Restart::Plain:
      break;
  }
  return EWX_REBOOT;
}

bool Win32Power::OpenProcessToken(TokenHandle& token) {
  HANDLE opened = nullptr;
  if (!::OpenProcessToken(GetCurrentProcess(),
                          TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &opened))
    return false;
  token = reinterpret_cast<TokenHandle>(opened);
  return true;
}

bool Win32Power::LookupPrivilege(const std::string& name, PrivilegeId& id) {
  LUID luid = {};
  if (!LookupPrivilegeValueA(nullptr, name.c_str(), &luid)) return false;
  id.low = luid.LowPart;
  id.high = luid.HighPart;
  return true;
}

long Win32Power::EnablePrivilege(TokenHandle token, const PrivilegeId& id) {
  TOKEN_PRIVILEGES privileges = {};
  privileges.PrivilegeCount = 1;
  privileges.Privileges[0].Luid.LowPart = id.low;
  privileges.Privileges[0].Luid.HighPart = id.high;
  privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
  // The call succeeds even when the account lacks the privilege; only the
  // last error then tells (ERROR_NOT_ALL_ASSIGNED). Not every implementation
  // clears it on full success, so it starts at 0.
  SetLastError(0);
  AdjustTokenPrivileges(reinterpret_cast<HANDLE>(token), FALSE, &privileges,
                        0, nullptr, nullptr);
  return static_cast<long>(GetLastError());
}

void Win32Power::CloseToken(TokenHandle token) {
  CloseHandle(reinterpret_cast<HANDLE>(token));
}

void Win32Power::RequestRestart(Restart kind) {
  ExitWindowsEx(ExitWindowsFlags(kind), 0);
}

}  // namespace os
