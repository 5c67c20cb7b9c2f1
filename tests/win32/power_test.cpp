#include <gtest/gtest.h>

#include <windows.h>

#include "os/win32/win32_power.h"

namespace {

// Never requests a restart: only the flags it would pass are checked.
TEST(Win32Power, RestartFlags) {
  EXPECT_EQ(UINT(EWX_REBOOT), os::ExitWindowsFlags(os::Restart::Plain));
  EXPECT_EQ(UINT(EWX_REBOOT | EWX_FORCE),
            os::ExitWindowsFlags(os::Restart::Forced));
}

TEST(Win32Power, EnablesTheShutdownPrivilegeOfItsOwnToken) {
  os::Win32Power power;
  os::TokenHandle token = 0;
  ASSERT_TRUE(power.OpenProcessToken(token));
  os::PrivilegeId id;
  EXPECT_FALSE(power.LookupPrivilege("SeNoSuchPrivilege", id));
  ASSERT_TRUE(power.LookupPrivilege("SeShutdownPrivilege", id));
  EXPECT_EQ(0, power.EnablePrivilege(token, id));
  power.CloseToken(token);
}

}  // namespace
