#pragma once

#include <string>
#include <vector>

#include "machine/managed_set.h"
#include "os/services.h"

// The restore point: the managed set as it was before the program's first
// change on this PC, as a registry file in the Windows directory. It is made
// once and never overwritten.
inline constexpr const char kRestorePointName[] = "KVARTUNE.REG";

std::string RestorePointPath(os::System& system);

// When there is no restore point yet, records the state of every value of
// the managed set for these cards. Only reads the registry; a restore point
// that cannot be read whole or written is left for the next start, and
// nothing is said.
void TakeRestorePoint(os::Services& services, const std::string& osFamily,
                      const std::vector<managed::Card>& cards);
