#include "machine/os_family.h"

std::string OsFamily(os::System& system) {
  os::VersionInfo info;
  if (!system.GetVersion(info)) return family::kNonWindows;
  switch (info.platformId) {
    case os::kPlatformWindows:
      return family::kWindows95;
    case os::kPlatformNT:
      return family::kWindowsNT;
    default:
      return family::kNonWindows;
  }
}
