#include "configuration_page.h"
#include "next_start.h"
#include "scenario.h"
#include "tray.h"

// The Configuration page end to end on a Windows NT 4.0 PC with one Banshee,
// \Device\Video1, where an earlier start chose "Load at Windows startup".
namespace e2e {
namespace {

const std::string kUserDriverKey = kDriverKeys + "Video1";

// Neither activation nor Apply cleans per-user values on Windows NT.
void ExpectUserValuesKept() {
  EXPECT_EQ((Names{"SSTH3_RGAMMA", "VendorPanelTab"}),
            ValueNames(kUserDriverKey, HKEY_CURRENT_USER));
  EXPECT_EQ(Names{"SSTH3_ANTIALIAS"},
            ValueNames(kUserDriverKey + "\\D3D", HKEY_CURRENT_USER));
  EXPECT_EQ(Names{"FX_GLIDE_NO_SPLASH"},
            ValueNames(kUserDriverKey + "\\Glide", HKEY_CURRENT_USER));
}

// A copy in the folder the user's guide suggests starts with Windows from
// its path in quotes. Default and Reset first; then the user turns the tray
// icon and the start with Windows off and the override on. The next start
// has no tray icon.
TEST(WindowsNTConfiguration, ApplyStoresTheChoicesAndTheTrayGoesAtTheNextStart) {
  ASSERT_TRUE(SeedMachine({"nt40-banshee", "kvartune-earlier-start-nt",
                           "nt40-vendor-settings-per-user"}));
  ASSERT_TRUE(CopyWindowsNTDriverFiles());
  const std::string copy = "C:\\Program Files\\Kvartune\\kvtune.exe";
  CreateDirectoryA("C:\\Program Files\\Kvartune", nullptr);
  ASSERT_TRUE(CopyFileA(ProgramPath().c_str(), copy.c_str(), FALSE));
  ASSERT_TRUE(RunsWithoutMessage(copy));
  EXPECT_TRUE(HasText(kRun, "xkvartune", "\"" + copy + "\""));
  DeleteFileA(copy.c_str());
  ASSERT_TRUE(AddProfiles({"nt40-banshee"}));
  ConfigurationRun run;
  ASSERT_NE(nullptr, run.page);

  ConfigurationView view{
      {"3Dfx Voodoo Banshee"},
      0,
      {" N/A", " 4.12.01.1000-1.00", " 2.60.00.0321", " N/A", " 4.03.00.1096"},
      {kDisabledUnchecked, kChecked, kUnchecked, kChecked, kUnchecked}};
  EXPECT_EQ(view, ReadConfigurationPage(run.page));
  ExpectUserValuesKept();

  // Default shows the driver's defaults and stores nothing; Reset shows the
  // stored choices again.
  const auto tree = TreeSnapshot(kTree);
  ASSERT_TRUE(ClickButton(run.page, IDC_CONFIG_DEFAULT));
  ConfigurationView defaults = view;
  defaults.boxes.loadAtStartup = kUnchecked;
  defaults.boxes.overrideVendor = kChecked;
  defaults.applyEnabled = defaults.resetEnabled = true;
  EXPECT_EQ(defaults, ReadConfigurationPage(run.page));
  EXPECT_EQ(tree, TreeSnapshot(kTree));
  ASSERT_TRUE(ClickButton(run.page, IDC_CONFIG_RESET));
  EXPECT_EQ(view, ReadConfigurationPage(run.page));

  for (int box : {IDC_LOAD_TRAY, IDC_LOAD_AT_STARTUP, IDC_OVERRIDE_VENDOR})
    ASSERT_TRUE(ClickButton(run.page, box)) << "control " << box;
  ASSERT_TRUE(ClickButton(run.page, IDC_CONFIG_APPLY));
  view.boxes = {kDisabledUnchecked, kUnchecked, kDisabledUnchecked, kUnchecked,
                kChecked};
  EXPECT_EQ(view, ReadConfigurationPage(run.page));

  ExpectStoredChoices({"Video1", "0", "0", "0", "0"});
  EXPECT_TRUE(HasText(kDeviceCards + "\\Video1", "kvartune_override", "1"));
  ExpectUserValuesKept();
  // The icon of this run stays until it ends.
  EXPECT_TRUE(HasTrayIcon(run.sheet));
  ASSERT_TRUE(ChooseFromTrayMenu(run.sheet, TrayItem::Unload));
  ASSERT_TRUE(EndsNormally(run.program));

  ASSERT_TRUE(AddProfiles({"nt40-banshee"}));
  ExpectStartsShownWithoutTrayAndCloseEnds();
}

}  // namespace
}  // namespace e2e
