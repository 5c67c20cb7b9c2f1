#include <gtest/gtest.h>

#include <cstdlib>

#include "os/win32/win32_files.h"

namespace {

std::string Fixture(const std::string& name) {
  const char* folder = std::getenv("KVT_FIXTURES");
  return std::string(folder ? folder : ".") + "/" + name;
}

TEST(Win32Files, ReadsTheFixedVersionRecord) {
  os::Win32Files files;
  os::FixedVersion version;
  ASSERT_TRUE(files.Exists(Fixture("3dfxvs.drv")));
  ASSERT_TRUE(files.ReadFixedVersion(Fixture("3dfxvs.drv"), version));
  EXPECT_EQ(0x0004000Bu, version.fileVersionMS);
  EXPECT_EQ(0x000104B8u, version.fileVersionLS);
  EXPECT_EQ(0x00010000u, version.strucVersion);

  ASSERT_TRUE(files.ReadFixedVersion(Fixture("glide3x.dll"), version));
  EXPECT_EQ(0x0003000Au, version.fileVersionMS);
  EXPECT_EQ(0x00000292u, version.fileVersionLS);
}

TEST(Win32Files, FilesWithoutVersionOrMissing) {
  os::Win32Files files;
  os::FixedVersion version{1, 2, 3};
  EXPECT_TRUE(files.Exists(Fixture("plain.dll")));
  EXPECT_FALSE(files.ReadFixedVersion(Fixture("plain.dll"), version));
  EXPECT_FALSE(files.Exists(Fixture("missing.dll")));
  EXPECT_FALSE(files.ReadFixedVersion(Fixture("missing.dll"), version));
  EXPECT_EQ(1u, version.fileVersionMS);
}

}  // namespace
