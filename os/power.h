#pragma once

#include <cstdint>
#include <string>

namespace os {

// An open access token; 0 means none.
using TokenHandle = std::uintptr_t;

// A privilege's locally unique identifier (LUID).
struct PrivilegeId {
  std::uint32_t low = 0;
  std::int32_t high = 0;
};

// How a restart of Windows is requested: plainly (EWX_REBOOT), so that a
// running program may still refuse it, or forced (EWX_REBOOT | EWX_FORCE).
enum class Restart { Plain, Forced };

// The process token, its privileges and the restart request:
// OpenProcessToken, LookupPrivilegeValueA, AdjustTokenPrivileges,
// CloseHandle and ExitWindowsEx.
class Power {
 public:
  virtual ~Power() = default;

  // The current process's token with TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY;
  // false when it will not open.
  virtual bool OpenProcessToken(TokenHandle& token) = 0;
  // The identifier of a privilege on the local system; false when unknown.
  virtual bool LookupPrivilege(const std::string& name, PrivilegeId& id) = 0;
  // Enables exactly this one privilege, leaving the others as they are and
  // asking for no previous state. Returns the thread's last error code right
  // after the call: 0 only when the privilege is now enabled.
  virtual long EnablePrivilege(TokenHandle token, const PrivilegeId& id) = 0;
  virtual void CloseToken(TokenHandle token) = 0;
  // ExitWindowsEx with a reserved argument of 0; its outcome is not asked.
  virtual void RequestRestart(Restart kind) = 0;
};

}  // namespace os
