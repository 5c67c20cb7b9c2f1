#pragma once

#include "os/services.h"

// The Windows start-up entry "xkvartune": the program's whole module path,
// in double quotes when it holds a blank, since Windows ends an unquoted
// command line's program name at its first blank. Nothing is written when
// the path is unknown.
void WriteRunEntry(os::Services& services);
void DeleteRunEntry(os::Registry& registry);
