#pragma once

#include "os/services.h"

// The Windows start-up entry "xkvartune": the program's whole module path.
// Nothing is written when the path is unknown.
void WriteRunEntry(os::Services& services);
void DeleteRunEntry(os::Registry& registry);
