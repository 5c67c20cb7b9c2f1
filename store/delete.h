#pragma once

#include <string>
#include <vector>

#include "os/registry.h"

// Deletions open the key only when it exists, delete each name and ignore the
// results: deleting what is not there is not an error. They never create a
// key: a key created by a deletion would be volatile on Windows NT, and the
// values an Apply then writes into it would vanish at the restart it asks
// for.
void DeleteValues(os::Registry& registry, os::Root root,
                  const std::string& path,
                  const std::vector<const char*>& names);
void DeleteSubkey(os::Registry& registry, os::Root root,
                  const std::string& path, const std::string& subkey);
