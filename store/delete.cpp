#include "store/delete.h"

namespace {

template <typename Delete>
void WithVolatileKey(os::Registry& registry, os::Root root,
                     const std::string& path, Delete deleteNames) {
  os::KeyHandle key = 0;
  if (registry.CreateKey(root, path, os::KeyOption::Volatile, key) !=
      os::error::kSuccess)
    return;
  deleteNames(key);
  registry.CloseKey(key);
}

}  // namespace

void DeleteValues(os::Registry& registry, os::Root root,
                  const std::string& path,
                  const std::vector<const char*>& names) {
  WithVolatileKey(registry, root, path, [&](os::KeyHandle key) {
    for (const char* name : names) registry.DeleteValue(key, name);
  });
}

void DeleteSubkey(os::Registry& registry, os::Root root,
                  const std::string& path, const std::string& subkey) {
  WithVolatileKey(registry, root, path, [&](os::KeyHandle key) {
    registry.DeleteKey(key, subkey);
  });
}
