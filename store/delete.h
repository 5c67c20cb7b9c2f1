#pragma once

#include <string>
#include <vector>

#include "os/registry.h"

// Deletions open the key directly with the volatile option (so a key that the
// open creates disappears at the next restart of Windows), delete each name and
// ignore the results: deleting what is not there is not an error.
void DeleteValues(os::Registry& registry, os::Root root,
                  const std::string& path,
                  const std::vector<const char*>& names);
void DeleteSubkey(os::Registry& registry, os::Root root,
                  const std::string& path, const std::string& subkey);
