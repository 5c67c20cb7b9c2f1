#include <gtest/gtest.h>

#include <windows.h>

#include "os/win32/win32_system.h"

namespace {

TEST(Win32System, ReportsWhatWindowsReports) {
  os::Win32System system;
  os::VersionInfo info;
  ASSERT_TRUE(system.GetVersion(info));
  OSVERSIONINFOA expected = {};
  expected.dwOSVersionInfoSize = sizeof expected;
  ASSERT_TRUE(GetVersionExA(&expected));
  EXPECT_EQ(expected.dwPlatformId, info.platformId);
  EXPECT_EQ(expected.dwMajorVersion, info.major);

  char folder[MAX_PATH];
  GetSystemDirectoryA(folder, MAX_PATH);
  EXPECT_EQ(folder, system.SystemDirectory());
  GetWindowsDirectoryA(folder, MAX_PATH);
  EXPECT_EQ(folder, system.WindowsDirectory());
}

TEST(Win32System, ModulePathIsThisProgram) {
  os::Win32System system;
  const std::string path = system.ModulePath();
  ASSERT_GT(path.size(), 20u);
  EXPECT_EQ("kvt_win32_tests.exe", path.substr(path.size() - 19));
}

}  // namespace
