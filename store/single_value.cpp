#include "store/single_value.h"

#include "store/registry_key.h"

void ReadText(os::Registry& registry, const std::string& path,
              const std::string& name, std::string& text) {
  CRegistryKey key(registry);
  if (key.OpenToRead(os::kMachine, path) == os::error::kSuccess)
    key.QueryText(name, text);
}

void WriteText(os::Registry& registry, const std::string& path,
               const std::string& name, const std::string& text) {
  CRegistryKey key(registry);
  if (key.Open(os::kMachine, path) == os::error::kSuccess)
    key.SetText(name, text);
}
