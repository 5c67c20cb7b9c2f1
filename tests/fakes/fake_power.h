#pragma once

#include <string>
#include <vector>

#include "os/power.h"

namespace fakes {

// Records every token, privilege and restart request, in order, as
// "OpenProcessToken", "LookupPrivilege <name>", "EnablePrivilege",
// "CloseToken", "Restart plain" and "Restart forced". Nothing restarts.
class FakePower : public os::Power {
 public:
  bool OpenProcessToken(os::TokenHandle& token) override {
    requests.push_back("OpenProcessToken");
    if (!tokenOpens) return false;
    token = kToken;
    return true;
  }
  bool LookupPrivilege(const std::string& name,
                       os::PrivilegeId& id) override {
    requests.push_back("LookupPrivilege " + name);
    if (!privilegeKnown) return false;
    id = {19, 0};
    return true;
  }
  long EnablePrivilege(os::TokenHandle token,
                       const os::PrivilegeId& id) override {
    requests.push_back(token == kToken && id.low == 19 ? "EnablePrivilege"
                                                       : "EnablePrivilege ?");
    return enableError;
  }
  void CloseToken(os::TokenHandle token) override {
    requests.push_back(token == kToken ? "CloseToken" : "CloseToken ?");
  }
  void RequestRestart(os::Restart kind) override {
    requests.push_back(kind == os::Restart::Forced ? "Restart forced"
                                                   : "Restart plain");
  }

  static constexpr os::TokenHandle kToken = 0x7a;
  bool tokenOpens = true;
  bool privilegeKnown = true;
  // ERROR_NOT_ALL_ASSIGNED (1300) for an account without the privilege.
  long enableError = 0;
  std::vector<std::string> requests;
};

}  // namespace fakes
