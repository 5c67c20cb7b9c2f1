#include <gtest/gtest.h>

#include "e2e_paths.h"
#include "machine_profile.h"
#include "registry_check.h"
#include "scenario.h"

namespace e2e {
namespace {

TEST(WindowsNTDetection, RecordsTheBansheeWithItsDevicePath) {
  ASSERT_TRUE(SeedMachine({"nt40-banshee", "kvartune-earlier-start-nt"}));
  const ProgramView& view = ViewOfProgram();
  ASSERT_TRUE(CopyFixture(
      "banshee.sys", view.windowsFolder + "\\System32\\DRIVERS\\banshee.sys"));
  // Glide 3 is not installed.
  ASSERT_TRUE(CopyFixture("glide2x.dll", view.systemFolder + "\\glide2x.dll"));
  ASSERT_TRUE(HasText(kVideoMap, "\\Device\\Video1",
                      "\\Registry\\Machine\\System\\CurrentControlSet\\Services"
                      "\\banshee\\Device0"));

  ASSERT_TRUE(RunsWithoutMessage());

  // Wine's own adapter at \Device\Video0 is no Banshee, so the card key of
  // the card that was there has gone with its refresh rate.
  EXPECT_EQ(Names{"Video1"}, SubkeyNames(kDeviceCards));
  const std::string card = kDeviceCards + "\\Video1";
  EXPECT_EQ(
      (Names{"driverdesc", "driver", "DevicePath", "HWRevision",
             "driverversion", "kvartune_override", "REFRESHRATE 1024 x  768"}),
      ValueNames(card));
  EXPECT_TRUE(HasText(card, "driverdesc", "3Dfx Voodoo Banshee"));
  EXPECT_TRUE(HasText(card, "driver", "System32\\DRIVERS\\banshee.sys"));
  EXPECT_TRUE(HasText(card, "DevicePath",
                      "SYSTEM\\CURRENTCONTROLSET\\SERVICES\\BANSHEE\\DEVICE0"));
  EXPECT_TRUE(HasText(card, "HWRevision", "N/A"));
  EXPECT_TRUE(HasText(card, "driverversion", "4.12.01.1000-1.00"));
  EXPECT_TRUE(HasText(card, "kvartune_override", "0"));
  EXPECT_TRUE(HasDword(card, "REFRESHRATE 1024 x  768", 85));

  EXPECT_TRUE(HasText(kCommon, "displaynumber", "1"));
  EXPECT_TRUE(HasText(kCommon, "selecteddisplay", "Video1"));
  ExpectVersions("2.60.00.0321", "N/A", "4.03.00.1096");
  EXPECT_TRUE(HasText(kRun, "xkvartune", ProgramPath()));
}

}  // namespace
}  // namespace e2e
