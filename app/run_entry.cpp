#include "app/run_entry.h"

#include "store/delete.h"
#include "store/names.h"
#include "store/registry_key.h"

void WriteRunEntry(os::Services& services) {
  const std::string path = services.system.ModulePath();
  if (path.empty()) return;
  CRegistryKey key(services.registry);
  if (key.Open(os::Root::LocalMachine, names::kRun) != os::error::kSuccess)
    return;
  key.SetText(names::kRunEntry, path);
  key.Close();
}

void DeleteRunEntry(os::Registry& registry) {
  DeleteValues(registry, os::Root::LocalMachine, names::kRun,
               {names::kRunEntry});
}
