#include "configuration_page.h"
#include "next_start.h"
#include "scenario.h"
#include "tray.h"

// The Configuration page end to end on a Windows 98 PC with two Banshees,
// driver keys 0000 and 0002, whose vendor panel left per-user settings.
namespace e2e {
namespace {

// The display class key itself, above the cards' driver keys.
const std::string kDriverClass = kDriverKeys.substr(0, kDriverKeys.size() - 1);

// The per-user values of a card's driver key ("" for the key itself, or
// "\\D3D", "\\Glide").
Names UserValues(const std::string& card, const std::string& below = "") {
  return ValueNames(kDriverKeys + card + below, HKEY_CURRENT_USER);
}

// All the per-user values of win98-vendor-settings-per-user.
void ExpectAllUserValues(const std::string& card) {
  SCOPED_TRACE("per-user values of card " + card);
  if (card == "0000") {
    EXPECT_EQ((Names{"SSTH3_RGAMMA", "SSTH3_LDELAY", "VendorPanelTab"}),
              UserValues(card));
    EXPECT_EQ((Names{"SSTH3_ANTIALIAS", "SSTH3_SWAPINTERVAL", "SSTH3_LODBIAS"}),
              UserValues(card, "\\D3D"));
    EXPECT_EQ((Names{"FX_GLIDE_NO_SPLASH", "SSTH3_GRXCLOCK", "FX_GLIDE_REFRESH"}),
              UserValues(card, "\\Glide"));
  } else {
    EXPECT_EQ((Names{"SSTH3_BGAMMA", "VendorPanelTab"}), UserValues(card));
    EXPECT_EQ((Names{"SSTH3_AUTOMIPMAP", "SSTH3_LODBIAS"}),
              UserValues(card, "\\D3D"));
    EXPECT_EQ((Names{"FX_GLIDE_SWAPINTERVAL", "FX_GLIDE_REFRESH"}),
              UserValues(card, "\\Glide"));
  }
}

// Only those the program does not manage.
void ExpectOnlyUnmanagedUserValues(const std::string& card) {
  SCOPED_TRACE("per-user values of card " + card);
  EXPECT_EQ(Names{"VendorPanelTab"}, UserValues(card));
  EXPECT_EQ(Names{"SSTH3_LODBIAS"}, UserValues(card, "\\D3D"));
  EXPECT_EQ(Names{"FX_GLIDE_REFRESH"}, UserValues(card, "\\Glide"));
}

// The page at its first showing, when "applyall" and the tray and start-up
// options were never stored: the first card is selected.
ConfigurationView FirstShowing(const Box& overrideVendor) {
  return {{"3Dfx Voodoo Banshee", "3D Blaster Banshee PCI"},
          0,
          {" 001", " 4.11.01.1208-1.00", " 2.60.00.0321", " 3.10.00.0658",
           " 4.06.00.0318"},
          {kChecked, kChecked, kUnchecked, kUnchecked, overrideVendor}};
}

// Both cards' override flags are "0", so the page's activation leaves the
// per-user values alone. The user picks the second card, applies to it
// alone, overrides its vendor settings, starts hidden and with Windows.
TEST(Windows98Configuration, ApplyStoresTheChoicesForTheSelectedCardAlone) {
  ASSERT_TRUE(SeedMachine({"win98-one-banshee", "win98-second-banshee",
                           "kvartune-override-off",
                           "win98-vendor-settings-per-user"}));
  ASSERT_TRUE(CopyWindows98DriverFiles());
  ConfigurationRun run;
  ASSERT_NE(nullptr, run.page);
  // The machine's driver keys hold values of the same names as the per-user
  // ones: the clean-up leaves them as detection left them.
  const auto driverKeys = TreeSnapshot(kDriverClass);

  ConfigurationView view = FirstShowing(kUnchecked);
  EXPECT_EQ(view, ReadConfigurationPage(run.page));
  EXPECT_TRUE(SaveScreenshot(run.sheet, "configuration-before"));
  ExpectAllUserValues("0000");
  ExpectAllUserValues("0002");

  SelectCard(run.page, 1);
  const ConfigurationView selected = ReadConfigurationPage(run.page);
  view.selected = 1;
  // Whether the revision follows the selection is the program's own choice.
  view.versions.revision = selected.versions.revision;
  view.applyEnabled = view.resetEnabled = true;
  EXPECT_EQ(view, selected);

  for (int box : {IDC_APPLY_ALL, IDC_START_MINIMIZED, IDC_LOAD_AT_STARTUP,
                  IDC_OVERRIDE_VENDOR})
    ASSERT_TRUE(ClickButton(run.page, box)) << "control " << box;
  view.boxes = {kUnchecked, kChecked, kChecked, kChecked, kChecked};
  EXPECT_EQ(view, ReadConfigurationPage(run.page));

  ASSERT_TRUE(ClickButton(run.page, IDC_CONFIG_APPLY));
  view.applyEnabled = view.resetEnabled = false;
  EXPECT_EQ(view, ReadConfigurationPage(run.page));
  EXPECT_TRUE(SaveScreenshot(run.sheet, "configuration-after"));

  ExpectStoredChoices({"0002", "0", "1", "1", "1"});
  EXPECT_TRUE(HasText(kDisplayCards + "\\0002", "kvartune_override", "1"));
  EXPECT_TRUE(HasText(kDisplayCards + "\\0000", "kvartune_override", "0"));
  ExpectAllUserValues("0000");
  ExpectOnlyUnmanagedUserValues("0002");
  EXPECT_EQ(driverKeys, TreeSnapshot(kDriverClass));

  ASSERT_TRUE(ChooseFromTrayMenu(run.sheet, TrayItem::Unload));
  ASSERT_TRUE(EndsNormally(run.program));
  ExpectStartsHiddenInTheTray();
}

// No card has its override flag yet, which counts as on: the page's first
// activation clears the per-user values of both. The user then turns the
// override off for all cards.
TEST(Windows98Configuration, ApplyToAllWritesTheOverrideFlagOfEveryCard) {
  ASSERT_TRUE(SeedMachine({"win98-one-banshee", "win98-second-banshee",
                           "win98-vendor-settings-per-user"}));
  ASSERT_TRUE(CopyWindows98DriverFiles());
  ConfigurationRun run;
  ASSERT_NE(nullptr, run.page);

  ConfigurationView view = FirstShowing(kChecked);
  EXPECT_EQ(view, ReadConfigurationPage(run.page));
  ExpectOnlyUnmanagedUserValues("0000");
  ExpectOnlyUnmanagedUserValues("0002");

  ASSERT_TRUE(ClickButton(run.page, IDC_OVERRIDE_VENDOR));
  ASSERT_TRUE(ClickButton(run.page, IDC_CONFIG_APPLY));
  view.boxes.overrideVendor = kUnchecked;
  EXPECT_EQ(view, ReadConfigurationPage(run.page));

  ExpectStoredChoices({"0000", "1", "1", "0", "0"});
  EXPECT_TRUE(HasText(kDisplayCards + "\\0000", "kvartune_override", "0"));
  EXPECT_TRUE(HasText(kDisplayCards + "\\0002", "kvartune_override", "0"));
  EXPECT_TRUE(Unload(run.program, run.sheet));
}

TEST(Windows98Configuration, NoCardSelectedTellsTheUserAndChangesNothing) {
  ASSERT_TRUE(SeedMachine({"win98-one-banshee"}));
  ConfigurationRun run;
  ASSERT_NE(nullptr, run.page);
  ConfigurationView view = ReadConfigurationPage(run.page);

  ASSERT_TRUE(PostCardSelection(run.page, -1));
  ExpectMessageAndPressOk(run.program, "Need to select Banshee card");

  view.selected = -1;
  EXPECT_EQ(view, ReadConfigurationPage(run.page));
  EXPECT_TRUE(Unload(run.program, run.sheet));
}

}  // namespace
}  // namespace e2e
