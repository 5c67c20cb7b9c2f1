#include <gtest/gtest.h>

#include "e2e_paths.h"
#include "machine_profile.h"

// The harness's own footing: what the profiles make Wine tell the program.
namespace e2e {
namespace {

TEST(MachineProfiles, SetTheWindowsFamilyThatTheProgramSees) {
  ASSERT_TRUE(SeedMachine({"win98-no-banshee"}));
  EXPECT_EQ(static_cast<DWORD>(VER_PLATFORM_WIN32_WINDOWS),
            ViewOfProgram().platformId);
  ASSERT_TRUE(SeedMachine({"nt40-other-chip"}));
  EXPECT_EQ(static_cast<DWORD>(VER_PLATFORM_WIN32_NT),
            ViewOfProgram().platformId);
}

// The program's module path is what the scenarios expect in its Run entry.
TEST(MachineProfiles, ProgramSeesItsPathAsTheHarnessStartsIt) {
  ASSERT_TRUE(SeedMachine({"win98-no-banshee"}));
  EXPECT_EQ(ProbePath(), ViewOfProgram().modulePath);
}

}  // namespace
}  // namespace e2e
