#pragma once

#include "os/power.h"

namespace os {

// The ExitWindowsEx flags of a restart request.
unsigned ExitWindowsFlags(Restart kind);

class Win32Power : public Power {
 public:
  bool OpenProcessToken(TokenHandle& token) override;
  bool LookupPrivilege(const std::string& name, PrivilegeId& id) override;
  long EnablePrivilege(TokenHandle token, const PrivilegeId& id) override;
  void CloseToken(TokenHandle token) override;
  void RequestRestart(Restart kind) override;
};

}  // namespace os
