#pragma once

#include <string>
#include <vector>

#include "os/registry.h"

// Reads that open only keys that exist and never create one: what the
// program reads before it may write anything on a PC.

struct RawValue {
  os::ValueType type = os::ValueType::None;
  std::vector<unsigned char> bytes;
};

// 0 with the value's type and bytes; 2 when its key or the value is missing;
// the registry's code when a read failed.
long PeekValue(os::Registry& registry, os::Root root, const std::string& path,
               const std::string& name, RawValue& value);
// A value's text up to its first zero byte; empty when it cannot be read.
std::string PeekText(os::Registry& registry, const std::string& path,
                     const std::string& name);
// The names of a key's subkeys or values under HKEY_LOCAL_MACHINE; empty
// when the key is missing.
std::vector<std::string> PeekSubkeys(os::Registry& registry,
                                     const std::string& path);
std::vector<std::string> PeekValueNames(os::Registry& registry,
                                        const std::string& path);
