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

// Copies a fixture file (a driver or library with a known version) to a path
// on the machine; the next clean slate removes it.
testing::AssertionResult CopyFixture(const std::string& fixture,
                                     const std::string& destination);

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
