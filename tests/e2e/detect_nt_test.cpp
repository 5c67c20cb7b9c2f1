#include "scenario.h"

namespace e2e {
namespace {

TEST(WindowsNTDetection, RecordsTheBansheeWithItsDevicePath) {
  ASSERT_TRUE(SeedMachine({"nt40-banshee", "kvartune-earlier-start-nt"}));
  ASSERT_TRUE(CopyWindowsNTDriverFiles());
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
  ExpectTextsAmong(
      card,
      {{"driverdesc", "3Dfx Voodoo Banshee"},
       {"driver", "System32\\DRIVERS\\banshee.sys"},
       {"DevicePath", "SYSTEM\\CURRENTCONTROLSET\\SERVICES\\BANSHEE\\DEVICE0"},
       {"HWRevision", "N/A"},
       {"driverversion", "4.12.01.1000-1.00"},
       {"kvartune_override", "0"}});
  EXPECT_TRUE(HasDword(card, "REFRESHRATE 1024 x  768", 85));

  ExpectTextsAmong(kCommon,
                   {{"displaynumber", "1"}, {"selecteddisplay", "Video1"}});
  ExpectVersions("2.60.00.0321", "N/A", "4.03.00.1096");
  EXPECT_TRUE(HasText(kRun, "xkvartune", ProgramPath()));
}

}  // namespace
}  // namespace e2e
