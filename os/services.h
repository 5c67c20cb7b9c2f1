#pragma once

#include "os/files.h"
#include "os/power.h"
#include "os/registry.h"
#include "os/shell.h"
#include "os/system.h"

namespace os {

// Every operating-system service the program uses, built once in WinMain (or
// by a test) and handed down by reference.
struct Services {
  Registry& registry;
  System& system;
  Files& files;
  Shell& shell;
  Power& power;
};

}  // namespace os
