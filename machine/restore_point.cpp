#include "machine/restore_point.h"

#include "machine/settings_file.h"

std::string RestorePointPath(os::System& system) {
  return system.WindowsDirectory() + "\\" + kRestorePointName;
}

void TakeRestorePoint(os::Services& services, const std::string& osFamily,
                      const std::vector<managed::Card>& cards) {
  const std::string path = RestorePointPath(services.system);
  if (services.files.Exists(path)) return;
  std::vector<regedit::Entry> entries;
  if (!settings::Snapshot(services.registry, managed::Values(osFamily, cards),
                          entries))
    return;
  services.files.WriteBytes(path, regedit::Write(entries), false);
}
