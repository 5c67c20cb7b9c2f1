#pragma once

#include <string>
#include <vector>

#include "os/registry.h"

// For every card whose "OverRide vendor's control settings" flag is on (off
// only for exactly "0"), deletes the values the program manages from the
// per-user copies of the card's driver keys under HKEY_CURRENT_USER, where
// a vendor's control panel may have left its own. Nothing under
// HKEY_LOCAL_MACHINE is touched.
void CleanVendorSettings(os::Registry& registry,
                         const std::vector<std::string>& cards);
