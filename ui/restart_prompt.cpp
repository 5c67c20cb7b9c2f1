#include "ui/restart_prompt.h"

#include "ui/app_message.h"

namespace ui {
namespace {

// True when the process now holds the shutdown privilege enabled.
bool EnableShutdownPrivilege(os::Power& power) {
  os::TokenHandle token = 0;
  if (!power.OpenProcessToken(token)) return false;
  os::PrivilegeId id;
  const bool enabled = power.LookupPrivilege(kShutdownPrivilege, id) &&
                       power.EnablePrivilege(token, id) == 0;
  power.CloseToken(token);
  return enabled;
}

}  // namespace

void AskRestart(os::Services& services, RestartForm form) {
  if (AppMessageBox(services, kRestartQuestion, os::Buttons::YesNo) !=
      os::Answer::Yes)
    return;
  if (form == RestartForm::Windows95) {
    services.power.RequestRestart(os::Restart::Plain);
    return;
  }
  if (EnableShutdownPrivilege(services.power))
    services.power.RequestRestart(os::Restart::Forced);
}

}  // namespace ui
