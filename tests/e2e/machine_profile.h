#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <initializer_list>
#include <string>

// The PC a scenario runs the program on: the registry of its profiles
// (machines/<name>.reg) and the driver and library files copied to it.
namespace e2e {

// Starts a scenario from a clean slate, then imports the profiles in order
// with Wine's regedit. The slate (machines/clean.reg and every file an
// earlier scenario copied) holds all that a scenario seeds or a start of
// the program writes.
testing::AssertionResult SeedMachine(
    std::initializer_list<const char*> profiles);

// The program's restore point, which the clean slate removes.
std::string RestorePointFile();
// Imports a registry file with Wine's regedit, as a double-click does.
testing::AssertionResult ImportRegistryFile(const std::string& path);
// Imports profiles over the machine as it is. Each program's first display
// query makes Wine rebuild HARDWARE\DEVICEMAP\VIDEO without the entries of
// the profiles: a Windows NT machine gets its map back this way before the
// program starts again.
testing::AssertionResult AddProfiles(
    std::initializer_list<const char*> profiles);

// Copies a fixture file (a driver or library with a known version) to a path
// on the machine; the next clean slate removes it.
testing::AssertionResult CopyFixture(const std::string& fixture,
                                     const std::string& destination);

// The Banshee's Windows 95/98 display driver and both Glide libraries, with
// the versions of their fixtures, in the system folder.
testing::AssertionResult CopyWindows98DriverFiles();
// The Banshee's Windows NT miniport driver in the drivers folder and Glide 2
// in the system folder; Glide 3 is not installed.
testing::AssertionResult CopyWindowsNTDriverFiles();

// Changes one REG_SZ value of HKEY_LOCAL_MACHINE while the program runs, as
// the user could with the registry editor.
testing::AssertionResult ChangeText(const std::string& key,
                                    const std::string& name,
                                    const std::string& text);

// Makes a key of HKEY_LOCAL_MACHINE volatile, as a driver may leave its own
// key on Windows NT: its values stay, its subkeys go, and no new
// non-volatile subkey can be made under it (ERROR_CHILD_MUST_BE_VOLATILE).
testing::AssertionResult MakeVolatile(const std::string& key);

// What Windows tells kvtune.exe on the seeded machine, as reported by a probe
// with the same file name, to which Wine applies the same per-program
// settings (the Windows version of the profile).
struct ProgramView {
  DWORD platformId = 0;
  std::string systemFolder;
  std::string windowsFolder;
  std::string modulePath;
};
// Probes once per Windows version that the profiles set.
const ProgramView& ViewOfProgram();

}  // namespace e2e
