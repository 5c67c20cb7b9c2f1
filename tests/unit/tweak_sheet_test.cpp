#include <gtest/gtest.h>

#include "app/tweak_app.h"
#include "app/tweak_sheet.h"
#include "machine.h"
#include "machine/settings_command.h"
#include "res/resource.h"

namespace {

constexpr os::Root kMachine = os::Root::LocalMachine;
constexpr unsigned kDoubleClick = 0x0203;
constexpr unsigned kRightDown = 0x0204;

class TweakSheetTest : public ::testing::Test, protected Machine {
 protected:
  void LoadTray(const char* value) {
    PutCommon("loadtray", value);
  }
  CTweakSheet& Open() {
    tweakSheet_ = std::make_unique<CTweakSheet>(services);
    sheet.Create(*tweakSheet_, true);
    return *tweakSheet_;
  }
  std::unique_ptr<CTweakSheet> tweakSheet_;
};

TEST_F(TweakSheetTest, HoldsTheFivePagesInTabOrder) {
  CTweakSheet& tweak = Open();
  std::vector<int> dialogs;
  for (ui::PropertyPage* page : tweak.Pages())
    dialogs.push_back(page->DialogId());
  EXPECT_EQ((std::vector<int>{1000, 1001, 1002, 1003, 1004}), dialogs);
}

TEST_F(TweakSheetTest, TrayOnWhenLoadTrayIsOneOrEmptyOrMissing) {
  for (const char* value : {"1", ""}) {
    LoadTray(value);
    fakes::FakeSheet window;
    CTweakSheet tweak(services);
    window.Create(tweak, true);
    EXPECT_TRUE(window.trayIcon) << value;
    tweak.OnClose();
    EXPECT_FALSE(window.visible);
    EXPECT_FALSE(window.destroyed);
  }
  Machine fresh;
  CTweakSheet tweak(fresh.services);
  fresh.sheet.Create(tweak, true);
  EXPECT_TRUE(fresh.sheet.trayIcon);
}

TEST_F(TweakSheetTest, TrayOffCloseEndsTheProgram) {
  for (const char* value : {"0", "2", "on"}) {
    LoadTray(value);
    fakes::FakeSheet window;
    CTweakSheet tweak(services);
    window.Create(tweak, true);
    EXPECT_FALSE(window.trayIcon) << value;
    tweak.OnClose();
    EXPECT_TRUE(window.destroyed) << value;
    EXPECT_EQ(std::vector<std::string>{"destroy"}, window.calls);
  }
}

TEST_F(TweakSheetTest, TraySettingIsReadOnceAtInitialisation) {
  LoadTray("0");
  CTweakSheet& tweak = Open();
  LoadTray("1");
  tweak.OnClose();
  EXPECT_TRUE(sheet.destroyed);
  EXPECT_FALSE(sheet.trayIcon);
}

TEST_F(TweakSheetTest, EscapeHidesWhateverTheTraySetting) {
  LoadTray("0");
  CTweakSheet& tweak = Open();
  EXPECT_TRUE(tweak.OnCommand(2));
  EXPECT_FALSE(sheet.visible);
  EXPECT_FALSE(sheet.destroyed);
  EXPECT_EQ(std::vector<ui::SheetButton>{ui::SheetButton::Cancel},
            sheet.pressed);
}

TEST_F(TweakSheetTest, SheetButtonsArePressedOnceEvenWhenTheyComeBack) {
  CTweakSheet& tweak = Open();
  EXPECT_TRUE(tweak.OnCommand(1));
  EXPECT_TRUE(tweak.OnCommand(2));
  EXPECT_FALSE(tweak.OnCommand(1126));
  // The echoes go on to the property sheet's own handling.
  EXPECT_EQ((std::vector<ui::SheetButton>{ui::SheetButton::Ok,
                                          ui::SheetButton::Cancel}),
            sheet.pressed);
  EXPECT_EQ((std::vector<bool>{false, false}), sheet.echoHandled);
}

TEST_F(TweakSheetTest, TrayCallbackOpensOrShowsTheMenuForItsIconOnly) {
  CTweakSheet& tweak = Open();
  tweak.OnTrayNotify(100, kDoubleClick);
  EXPECT_EQ(std::vector<int>{10000}, sheet.posted);
  tweak.OnTrayNotify(101, kDoubleClick);
  tweak.OnTrayNotify(100, 0x0201);
  EXPECT_EQ(1u, sheet.posted.size());
  sheet.calls.clear();
  tweak.OnTrayNotify(100, kRightDown);
  tweak.OnTrayNotify(7, kRightDown);
  EXPECT_EQ(std::vector<std::string>{"tray menu"}, sheet.calls);
}

TEST_F(TweakSheetTest, OpenReactivatesTheCurrentPageAndCentres) {
  CTweakSheet& tweak = Open();
  tweak.OnClose();
  sheet.activePage = 2;
  sheet.calls.clear();
  EXPECT_TRUE(tweak.OnCommand(10000));
  EXPECT_EQ((std::vector<std::string>{"page 4", "page 2",
                                      "center and restore"}),
            sheet.calls);
  EXPECT_TRUE(sheet.visible);
}

TEST_F(TweakSheetTest, UnloadRemovesTheIconThenDestroys) {
  CTweakSheet& tweak = Open();
  sheet.calls.clear();
  EXPECT_TRUE(tweak.OnCommand(10001));
  EXPECT_EQ((std::vector<std::string>{"remove tray icon", "destroy"}),
            sheet.calls);
}

// The menus' settings commands on the cards detection recorded: Export and
// Import name their file in a save and an open dialog, and a cancelled
// dialog does nothing; Restore asks first.
TEST_F(TweakSheetTest, SettingsCommandsAskForTheirFileOrTheirQuestion) {
  AddBanshee95("0000");
  CTweakApp app(services, sheet);
  ASSERT_TRUE(app.StartUp());
  ui::SheetHandler& tweak = *sheet.handler;
  sheet.calls.clear();
  EXPECT_TRUE(tweak.OnCommand(ID_SETTINGS_EXPORT));
  EXPECT_EQ(0u, files.contents.count("C:\\s.reg"));
  sheet.chosenFile = "C:\\s.reg";
  EXPECT_TRUE(tweak.OnCommand(ID_SETTINGS_EXPORT));
  EXPECT_EQ(1u, files.contents.count("C:\\s.reg"));
  EXPECT_TRUE(tweak.OnCommand(ID_SETTINGS_IMPORT));
  shell.answers = {os::Answer::No};
  EXPECT_TRUE(tweak.OnCommand(ID_SETTINGS_RESTORE));
  EXPECT_EQ((std::vector<std::string>{"save dialog", "save dialog",
                                      "open dialog"}),
            sheet.calls);
  ASSERT_EQ(1u, shell.messages.size());
  EXPECT_EQ(settings::kRestoreQuestion, shell.messages[0].text);
}

// The menus' "Profiles": a name a file cannot have is refused with its
// reason and asked again, an existing profile is replaced only after a
// question, the list holds the profiles alone, sorted, and a choice applies
// one; while a run is active its profile is marked and can be put back.
TEST_F(TweakSheetTest, ProfilesAreSavedListedAppliedAndPutBack) {
  AddBanshee95("0000");
  CTweakApp app(services, sheet);
  ASSERT_TRUE(app.StartUp());
  ui::SheetHandler& tweak = *sheet.handler;
  const std::string d3d =
      "System\\CurrentControlSet\\Services\\Class\\Display\\0000\\D3D";
  const std::string folder = "C:\\Program Files\\Kvartune\\";
  registry.PutText(kMachine, d3d, "SSTH3_ANTIALIAS", "1");
  sheet.profileNames = {"a|b", "Quake 2", "Quake 2"};
  EXPECT_TRUE(tweak.OnCommand(ID_PROFILE_SAVE));
  shell.answers = {os::Answer::No};
  EXPECT_TRUE(tweak.OnCommand(ID_PROFILE_SAVE));
  ASSERT_EQ(2u, shell.messages.size());
  EXPECT_EQ("A profile's name cannot hold any of \\ / : * ? \" < > |.",
            shell.messages[0].text);
  EXPECT_EQ("Replace the profile Quake 2?", shell.messages[1].text);
  files.contents[folder + "profiles\\alpha.reg"] = files.contents.at(
      folder + "profiles\\Quake 2.reg");
  files.contents[folder + "profiles\\junk.reg"] = "MZ";

  registry.PutText(kMachine, d3d, "SSTH3_ANTIALIAS", "0");
  const ui::ProfileMenu menu = tweak.Profiles();
  EXPECT_EQ((std::vector<std::string>{"alpha", "Quake 2"}), menu.names);
  EXPECT_EQ("", menu.active);
  EXPECT_TRUE(tweak.OnCommand(ID_PROFILE_FIRST + 16));
  EXPECT_EQ("1", registry.Text(kMachine, d3d, "SSTH3_ANTIALIAS"));

  files.contents[folder + "Quake 2.before"] =
      "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\" + d3d +
      "]\r\n;\"SSTH3_ANTIALIAS\"=-\r\n";
  shell.runMutexHeld = true;
  EXPECT_EQ("Quake 2", tweak.Profiles().active);
  EXPECT_EQ("Put back the settings from before Quake 2",
            tweak.Profiles().putBack);
  EXPECT_TRUE(tweak.OnCommand(ID_PROFILE_PUT_BACK));
  EXPECT_EQ(std::nullopt, registry.Text(kMachine, d3d, "SSTH3_ANTIALIAS"));
  EXPECT_EQ(0u, files.contents.count(folder + "Quake 2.before"));
  EXPECT_EQ(2u, shell.messages.size());
}

}  // namespace
