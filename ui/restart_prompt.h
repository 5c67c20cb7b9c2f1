#pragma once

#include "os/services.h"

namespace ui {

inline constexpr const char kRestartQuestion[] =
    "You need to RESTART the computer for the new settings.\n"
    "Do you want to RESTART now?";
inline constexpr const char kShutdownPrivilege[] = "SeShutdownPrivilege";

// Windows 95/98 restarts on request; Windows NT only for a process that has
// enabled its shutdown privilege.
enum class RestartForm { Windows95, WindowsNT };

// Asks whether to restart Windows now (Yes/No, Yes the default). On Yes the
// Windows 95/98 form requests a plain restart; the Windows NT form enables
// the shutdown privilege and requests a forced restart only when that took.
// Nothing is reported: the caller goes on at once whatever happened.
void AskRestart(os::Services& services, RestartForm form);

}  // namespace ui
