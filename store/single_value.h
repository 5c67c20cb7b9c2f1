#pragma once

#include <string>

#include "os/registry.h"

// One value of a key under HKEY_LOCAL_MACHINE, in a single open and close.
// A read opens only a key that exists, for reading; a write creates it. A
// key that will not open skips the read or write: the text read keeps what
// it held, which callers preset as their default.
void ReadText(os::Registry& registry, const std::string& path,
              const std::string& name, std::string& text);
void WriteText(os::Registry& registry, const std::string& path,
               const std::string& name, const std::string& text);
