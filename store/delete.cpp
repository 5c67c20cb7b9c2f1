#include "store/delete.h"

namespace {

template <typename Delete>
void WithExistingKey(os::Registry& registry, os::Root root,
                     const std::string& path, Delete deleteNames) {
  os::KeyHandle key = 0;
  if (registry.OpenKey(root, path, os::Access::Write, key) != os::error::kSuccess) return;
  deleteNames(key);
  registry.CloseKey(key);
}

}  // namespace

void DeleteValues(os::Registry& registry, os::Root root,
                  const std::string& path,
                  const std::vector<const char*>& names) {
  WithExistingKey(registry, root, path, [&](os::KeyHandle key) {
    for (const char* name : names) registry.DeleteValue(key, name);
  });
}

void DeleteSubkey(os::Registry& registry, os::Root root,
                  const std::string& path, const std::string& subkey) {
  WithExistingKey(registry, root, path, [&](os::KeyHandle key) {
    registry.DeleteKey(key, subkey);
  });
}
