#include <gtest/gtest.h>

#include "app/version_text.h"
#include "fakes/fake_files.h"

namespace {

TEST(VersionText, FormatsEveryHalfWord) {
  const os::FixedVersion version{0x0004000B, 0x000104B8, 0x00010000};
  EXPECT_EQ("4.11.01.1208-1.00", DriverVersionText(version));
  EXPECT_EQ("4.11.01.1208", LibraryVersionText(version));
  const os::FixedVersion large{0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF};
  EXPECT_EQ("65535.65535.65535.65535-65535.65535", DriverVersionText(large));
  EXPECT_EQ("0.00.00.0000", LibraryVersionText(os::FixedVersion{}));
}

TEST(VersionText, FilesWithoutVersionAreNotAvailable) {
  fakes::FakeFiles files;
  files.files["C:\\a.dll"] = os::FixedVersion{0x00030000, 0x00000001, 0};
  files.files["C:\\plain.dll"] = std::nullopt;
  EXPECT_EQ("3.00.00.0001",
            FileVersionText(files, "C:\\a.dll", LibraryVersionText));
  EXPECT_EQ("N/A", FileVersionText(files, "C:\\plain.dll", LibraryVersionText));
  EXPECT_EQ("N/A", FileVersionText(files, "C:\\none.dll", DriverVersionText));
}

}  // namespace
