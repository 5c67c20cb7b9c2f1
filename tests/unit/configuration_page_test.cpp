#include <gtest/gtest.h>

#include "page_test.h"
#include "pages/configuration/my_page4.h"
#include "res/controls.h"

namespace {

const std::string& kCards = kDisplayCards;
const char kRun[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\run";

class ConfigurationPageTest : public PageTest<CMyPage4> {
 protected:
  ConfigurationPageTest()
      : PageTest(1003, IDC_CONFIG_APPLY, IDC_CONFIG_RESET) {}

  void Card(const std::string& card, const std::string& version,
            const std::string& revision) {
    registry.PutText(kMachine, kCards + card, "driverdesc",
                     "3Dfx Voodoo Banshee " + card);
    registry.PutText(kMachine, kCards + card, "driverversion", version);
    registry.PutText(kMachine, kCards + card, "HWRevision", revision);
  }
  // Two cards recorded at start-up, the second one selected.
  void TwoCards() {
    Card("0000", "4.11.01.1208-1.00", "001");
    Card("0002", "4.12.01.1000-1.00", "002");
    PutCommon("displaynumber", "2");
    PutCommon("selecteddisplay", "0002");
    PutCommon("glide2version", "2.60.00.0321");
    PutCommon("glide3version", "N/A");
    PutCommon("directxversion", "4.06.00.0318");
  }
  void Choose(int index) { PageTest::Choose(IDC_CARD_COMBO, index); }
};

TEST_F(ConfigurationPageTest, ShowsTheStoredStateWithSpacedVersions) {
  TwoCards();
  Show();
  EXPECT_EQ(2, controls.ItemCount(IDC_CARD_COMBO));
  EXPECT_EQ("3Dfx Voodoo Banshee 0002", controls.ItemText(IDC_CARD_COMBO, 1));
  EXPECT_EQ(1, controls.CurrentIndex(IDC_CARD_COMBO));
  EXPECT_EQ(" 4.12.01.1000-1.00", controls.Text(IDC_DRIVER_VERSION));
  EXPECT_EQ(" 002", controls.Text(IDC_HW_REVISION));
  EXPECT_EQ(" 2.60.00.0321", controls.Text(IDC_GLIDE2_VERSION));
  EXPECT_EQ(" N/A", controls.Text(IDC_GLIDE3_VERSION));
  EXPECT_EQ(" 4.06.00.0318", controls.Text(IDC_DIRECTX_VERSION));
  // Nothing stored yet: apply-to-all, tray and override count as on.
  EXPECT_TRUE(controls.IsEnabled(IDC_APPLY_ALL));
  EXPECT_TRUE(controls.IsChecked(IDC_APPLY_ALL));
  EXPECT_TRUE(controls.IsChecked(IDC_LOAD_TRAY));
  EXPECT_TRUE(controls.IsEnabled(IDC_START_MINIMIZED));
  EXPECT_FALSE(controls.IsChecked(IDC_START_MINIMIZED));
  EXPECT_FALSE(controls.IsChecked(IDC_LOAD_AT_STARTUP));
  EXPECT_TRUE(controls.IsChecked(IDC_OVERRIDE_VENDOR));
  EXPECT_FALSE(ApplyEnabled());
}

TEST_F(ConfigurationPageTest, OneCardKeepsApplyToAllOffAndStoresZero) {
  Card("0000", "4.11.01.1208-1.00", "001");
  PutCommon("displaynumber", "1");
  PutCommon("applyall", "1");
  Show();
  EXPECT_FALSE(controls.IsEnabled(IDC_APPLY_ALL));
  EXPECT_FALSE(controls.IsChecked(IDC_APPLY_ALL));
  Click(IDC_CONFIG_APPLY);
  EXPECT_EQ("0", Common("applyall"));
  EXPECT_EQ("0000", Common("selecteddisplay"));
  EXPECT_EQ("1", registry.Text(kMachine, kCards + "0000", "kvartune_override"));
}

TEST_F(ConfigurationPageTest, ApplyToAllWritesTheFlagIntoEveryCard) {
  TwoCards();
  Show();
  Toggle(IDC_OVERRIDE_VENDOR);
  EXPECT_TRUE(ApplyEnabled());
  Click(IDC_CONFIG_APPLY);
  EXPECT_FALSE(ApplyEnabled());
  EXPECT_EQ("1", Common("applyall"));
  EXPECT_EQ("0", registry.Text(kMachine, kCards + "0000", "kvartune_override"));
  EXPECT_EQ("0", registry.Text(kMachine, kCards + "0002", "kvartune_override"));
  EXPECT_EQ("1", Common("loadtray"));
  EXPECT_EQ("0", Common("startmin"));
  EXPECT_EQ("0", Common("loadstartup"));
}

TEST_F(ConfigurationPageTest, TheSelectedCardAloneWhenApplyToAllIsOff) {
  TwoCards();
  PutCommon("applyall", "0");
  Show();
  EXPECT_TRUE(controls.IsEnabled(IDC_APPLY_ALL));
  EXPECT_FALSE(controls.IsChecked(IDC_APPLY_ALL));
  Choose(0);
  Toggle(IDC_OVERRIDE_VENDOR);
  Click(IDC_CONFIG_APPLY);
  EXPECT_EQ("0000", Common("selecteddisplay"));
  EXPECT_EQ("0", registry.Text(kMachine, kCards + "0000", "kvartune_override"));
  EXPECT_FALSE(registry.Get(kMachine, kCards + "0002", "kvartune_override"));
}

TEST_F(ConfigurationPageTest, SelectShowsAnotherCardAndResetReturns) {
  TwoCards();
  registry.PutText(kMachine, kCards + "0000", "kvartune_override", "0");
  Show();
  EXPECT_TRUE(controls.IsChecked(IDC_OVERRIDE_VENDOR));
  Choose(0);
  EXPECT_EQ(" 4.11.01.1208-1.00", controls.Text(IDC_DRIVER_VERSION));
  EXPECT_EQ(" 001", controls.Text(IDC_HW_REVISION));
  EXPECT_FALSE(controls.IsChecked(IDC_OVERRIDE_VENDOR));
  EXPECT_TRUE(ApplyEnabled());

  Click(IDC_CONFIG_RESET);
  EXPECT_EQ(1, controls.CurrentIndex(IDC_CARD_COMBO));
  EXPECT_EQ(" 4.12.01.1000-1.00", controls.Text(IDC_DRIVER_VERSION));
  EXPECT_EQ(" 002", controls.Text(IDC_HW_REVISION));
  EXPECT_TRUE(controls.IsChecked(IDC_OVERRIDE_VENDOR));
  EXPECT_FALSE(ApplyEnabled());
}

TEST_F(ConfigurationPageTest, SelectWithoutACurrentEntryAsksForACard) {
  TwoCards();
  Show();
  controls.SetCurrentIndex(IDC_CARD_COMBO, -1);
  page->OnCommand(IDC_CARD_COMBO, 1);
  ASSERT_EQ(1u, shell.messages.size());
  EXPECT_EQ("Need to select Banshee card", shell.messages[0].text);
  EXPECT_EQ("kvtune", shell.messages[0].caption);
  EXPECT_EQ(os::Icon::Exclamation, shell.messages[0].icon);
  EXPECT_FALSE(ApplyEnabled());
}

TEST_F(ConfigurationPageTest, DefaultStoresNothingAndResetRestores) {
  TwoCards();
  PutCommon("loadtray", "0");
  PutCommon("loadstartup", "1");
  registry.PutText(kMachine, kCards + "0002", "kvartune_override", "0");
  Show();
  const std::string before = registry.Dump();
  Click(IDC_CONFIG_DEFAULT);
  EXPECT_EQ(before, registry.Dump());
  EXPECT_TRUE(controls.IsChecked(IDC_LOAD_TRAY));
  EXPECT_TRUE(controls.IsEnabled(IDC_START_MINIMIZED));
  EXPECT_FALSE(controls.IsChecked(IDC_LOAD_AT_STARTUP));
  EXPECT_TRUE(controls.IsChecked(IDC_OVERRIDE_VENDOR));
  EXPECT_TRUE(controls.IsChecked(IDC_APPLY_ALL));
  EXPECT_TRUE(ApplyEnabled());

  Click(IDC_CONFIG_RESET);
  EXPECT_FALSE(controls.IsChecked(IDC_LOAD_TRAY));
  EXPECT_FALSE(controls.IsEnabled(IDC_START_MINIMIZED));
  EXPECT_TRUE(controls.IsChecked(IDC_LOAD_AT_STARTUP));
  EXPECT_FALSE(controls.IsChecked(IDC_OVERRIDE_VENDOR));
}

TEST_F(ConfigurationPageTest, UncheckingTheTrayClearsStartMinimized) {
  TwoCards();
  PutCommon("startmin", "1");
  Show();
  EXPECT_TRUE(controls.IsChecked(IDC_START_MINIMIZED));
  Toggle(IDC_LOAD_TRAY);
  EXPECT_FALSE(controls.IsChecked(IDC_START_MINIMIZED));
  EXPECT_FALSE(controls.IsEnabled(IDC_START_MINIMIZED));
  Click(IDC_CONFIG_APPLY);
  EXPECT_EQ("0", Common("loadtray"));
  EXPECT_EQ("0", Common("startmin"));
  Toggle(IDC_LOAD_TRAY);
  EXPECT_TRUE(controls.IsEnabled(IDC_START_MINIMIZED));
}

TEST_F(ConfigurationPageTest, LoadAtStartupWritesAndRemovesTheRunEntry) {
  TwoCards();
  Show();
  Toggle(IDC_LOAD_AT_STARTUP);
  Click(IDC_CONFIG_APPLY);
  EXPECT_EQ("1", Common("loadstartup"));
  EXPECT_EQ("\"C:\\Program Files\\Kvartune\\kvtune.exe\"",
            registry.Text(kMachine, kRun, "xkvartune"));
  Toggle(IDC_LOAD_AT_STARTUP);
  Click(IDC_CONFIG_APPLY);
  EXPECT_EQ("0", Common("loadstartup"));
  EXPECT_FALSE(registry.Get(kMachine, kRun, "xkvartune"));
}

TEST_F(ConfigurationPageTest, CleansVendorSettingsOnWindows95Only) {
  const std::string driverClass =
      "System\\CurrentControlSet\\Services\\Class\\Display\\";
  const std::string perUser = driverClass + "0000\\D3D";
  TwoCards();
  registry.PutText(os::Root::CurrentUser, perUser, "SSTH3_ANTIALIAS", "1");
  Show();
  EXPECT_FALSE(registry.Get(os::Root::CurrentUser, perUser, "SSTH3_ANTIALIAS"));
  registry.PutText(os::Root::CurrentUser, perUser, "SSTH3_ANTIALIAS", "1");
  Click(IDC_CONFIG_APPLY);
  EXPECT_FALSE(registry.Get(os::Root::CurrentUser, perUser, "SSTH3_ANTIALIAS"));

  // On NT the card is Video1: a clean-up over its card list would empty the
  // per-user keys of that name.
  Fresh();
  UseNT();
  registry.PutText(kMachine, kDeviceCards + "Video1", "driverdesc",
                   "3Dfx Voodoo Banshee (NT)");
  const std::string ntPerUser = driverClass + "Video1\\D3D";
  registry.PutText(os::Root::CurrentUser, ntPerUser, "SSTH3_ANTIALIAS", "1");
  Show();
  Click(IDC_CONFIG_APPLY);
  EXPECT_TRUE(registry.Get(os::Root::CurrentUser, ntPerUser, "SSTH3_ANTIALIAS"));
  EXPECT_EQ("1", registry.Text(kMachine, kDeviceCards + "Video1",
                               "kvartune_override"));
}

TEST_F(ConfigurationPageTest, ApplyWithoutCardsWritesNoCardKey) {
  Show();
  EXPECT_EQ(0, controls.ItemCount(IDC_CARD_COMBO));
  // No card, so no flag: it reads as on, as a missing one does.
  EXPECT_TRUE(controls.IsChecked(IDC_OVERRIDE_VENDOR));
  Click(IDC_CONFIG_APPLY);
  EXPECT_FALSE(registry.Get(kMachine, kCommon, "selecteddisplay"));
  EXPECT_FALSE(registry.Get(kMachine, "Software\\Quillfeld\\Kvartune\\Display",
                            "kvartune_override"));
  EXPECT_TRUE(registry.SubkeyNames(kMachine,
                                   "Software\\Quillfeld\\Kvartune\\Display")
                  .empty());
  EXPECT_EQ("1", Common("applyall"));
}

// A selection edited to name no listed card (a removed one, or a path) must
// not create a card key that every page would then list as a card.
TEST_F(ConfigurationPageTest, ASelectionOfNoListedCardShowsTheFirstCard) {
  TwoCards();
  for (const char* selection : {"0001", "0000\\D3D"}) {
    PutCommon("selecteddisplay", selection);
    Show();
    EXPECT_EQ(0, controls.CurrentIndex(IDC_CARD_COMBO));
    EXPECT_EQ(" 4.11.01.1208-1.00", controls.Text(IDC_DRIVER_VERSION));
    EXPECT_EQ(" 001", controls.Text(IDC_HW_REVISION));
    EXPECT_EQ((std::vector<std::string>{"0000", "0002"}),
              registry.SubkeyNames(kMachine, kCards.substr(0, kCards.size() - 1)));
    EXPECT_FALSE(registry.KeyExists(kMachine, kCards + "0000\\D3D"));
  }
}

TEST_F(ConfigurationPageTest, ApplyWithoutACurrentEntryKeepsTheSelection) {
  TwoCards();
  PutCommon("applyall", "0");
  Show();
  controls.SetCurrentIndex(IDC_CARD_COMBO, -1);
  Click(IDC_CONFIG_APPLY);
  EXPECT_EQ("0002", Common("selecteddisplay"));
  EXPECT_EQ("1", registry.Text(kMachine, kCards + "0002", "kvartune_override"));
  EXPECT_FALSE(registry.Get(kMachine, kCards + "0000", "kvartune_override"));
}

}  // namespace
