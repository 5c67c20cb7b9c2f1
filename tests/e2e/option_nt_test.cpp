#include "option_page.h"
#include "scenario.h"

// The Option page end to end on a Windows NT 4.0 PC with one Banshee,
// \Device\Video1, whose device reports 16 MB.
namespace e2e {
namespace {

// The size is only shown; the switch goes to the device key and no Apply
// asks for a restart.
TEST(WindowsNTOption, TheSwitchGoesToTheDeviceKeyAndTheSizeStays) {
  ASSERT_TRUE(SeedMachine({"nt40-banshee"}));
  OptionRun run;
  ASSERT_NE(nullptr, run.page);
  const auto device = TreeSnapshot(kBansheeDevice);
  EXPECT_EQ((OptionView{"16MB", false, false}), ReadOptionPage(run.page));
  EXPECT_TRUE(SaveScreenshot(run.sheet, "option-nt"));

  ASSERT_TRUE(ClickButton(run.page, IDC_LDELAY));
  ASSERT_TRUE(ClickButton(run.page, IDC_OPTION_APPLY));
  EXPECT_TRUE(ShowsNoMessage(run.program));
  EXPECT_EQ((OptionView{"16MB", true, false}), ReadOptionPage(run.page));
  EXPECT_TRUE(HasText(kBansheeDevice, "SSTH3_LDELAY", "1"));

  ASSERT_TRUE(ClickButton(run.page, IDC_OPTION_DEFAULT));
  EXPECT_EQ((OptionView{"16MB", false, false, true, true}),
            ReadOptionPage(run.page));
  ASSERT_TRUE(ClickButton(run.page, IDC_OPTION_APPLY));
  EXPECT_TRUE(ShowsNoMessage(run.program));
  EXPECT_EQ(device, TreeSnapshot(kBansheeDevice));
  EXPECT_TRUE(Unload(run.program, run.sheet));
}

}  // namespace
}  // namespace e2e
