#pragma once

#include "os/services.h"
#include "pages/performance/card_apply.h"

namespace performance {

// Windows NT: the switches as user environment variables. All eleven are
// deleted from HKEY_CURRENT_USER "Environment"; when `write`, those that
// differ from the driver's default are written back. Gammas and clocks never
// go there. Running programs are then told that the environment changed.
void ApplyEnvironment(os::Services& services, const Choices& choices,
                      bool write);

}  // namespace performance
