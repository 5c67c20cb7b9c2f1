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
// Under HKEY_LOCAL_MACHINE: a value's text up to its first zero byte, empty
// when it is missing; the names of a key's subkeys or values, none when the
// key is missing. A read that fails otherwise reads as missing and leaves
// its code in `failure`.
std::string PeekText(os::Registry& registry, const std::string& path,
                     const std::string& name, long& failure);
std::vector<std::string> PeekSubkeys(os::Registry& registry,
                                     const std::string& path, long& failure);
std::vector<std::string> PeekValueNames(os::Registry& registry,
                                        const std::string& path,
                                        long& failure);
