#include <gtest/gtest.h>

#include "machine/os_family.h"
#include "app/card_detection.h"
#include "app/tweak_app.h"
#include "machine.h"
#include "ui/app_message.h"
#include "ui/restart_prompt.h"

namespace {

constexpr os::Root kMachine = os::Root::LocalMachine;

TEST(OsFamily, FollowsThePlatformIdentifierOnly) {
  fakes::FakeSystem system;
  system.version = {4, 10, 2222, 1};
  EXPECT_EQ("Windows95", OsFamily(system));
  system.version = {4, 0, 950, 1};
  EXPECT_EQ("Windows95", OsFamily(system));
  system.version = {10, 0, 22631, 2};
  EXPECT_EQ("WindowsNT", OsFamily(system));
  system.version = {3, 11, 0, 0};
  EXPECT_EQ("NonWindows", OsFamily(system));
  system.versionAvailable = false;
  EXPECT_EQ("NonWindows", OsFamily(system));
}

TEST(ExecutableBaseName, DropsFolderAndExtension) {
  EXPECT_EQ("kvtune", ExecutableBaseName("C:\\Program Files\\K\\kvtune.exe"));
  EXPECT_EQ("kvtune", ExecutableBaseName("kvtune.EXE"));
  EXPECT_EQ("my.tool", ExecutableBaseName("C:\\x.y\\my.tool.exe"));
  EXPECT_EQ("kvtune", ExecutableBaseName("C:kvtune"));
}

class StartUpTest : public ::testing::Test, protected Machine {};

// Started from a command prompt on Windows 98, by its short path.
TEST_F(StartUpTest, ASecondCopyRestoresTheFirstAndTouchesNothing) {
  shell.mutexState = os::MutexState::AlreadyExisted;
  system.modulePath = "C:\\PROGRA~1\\KVARTUNE\\KVTUNE.EXE";
  AddBanshee95("0000");
  CTweakApp app(services, sheet);
  EXPECT_FALSE(app.StartUp());
  EXPECT_EQ(std::vector<std::string>{"kvtune"}, shell.mutexNames);
  EXPECT_EQ(std::vector<std::string>{"Kvartune"}, shell.restoredCaptions);
  EXPECT_FALSE(registry.KeyExists(kMachine, "Software\\Quillfeld"));
  EXPECT_FALSE(sheet.created);
}

TEST_F(StartUpTest, RunsTheDetectionOfTheFamily) {
  AddBanshee95("0000");
  CTweakApp app(services, sheet);
  app.StartUp();
  EXPECT_EQ("Windows95", app.Family());
  EXPECT_EQ("0000", Common("selecteddisplay"));
  EXPECT_EQ("2.30", Common("version"));

  Machine nt;
  nt.UseNT();
  nt.AddBansheeNT();
  CTweakApp ntApp(nt.services, nt.sheet);
  ntApp.StartUp();
  EXPECT_EQ("WindowsNT", ntApp.Family());
  EXPECT_EQ("Video0", nt.Common("selecteddisplay"));
}

TEST_F(StartUpTest, EndsSilentlyOffWindows) {
  system.version.platformId = 0;
  AddBanshee95("0000");
  CTweakApp app(services, sheet);
  EXPECT_FALSE(app.StartUp());
  EXPECT_TRUE(shell.messages.empty());
  EXPECT_FALSE(registry.KeyExists(kMachine, "Software\\Quillfeld"));
}

TEST_F(StartUpTest, NoCardEndsBeforeThePostDetectionStep) {
  registry.PutKey(kMachine, "Enum\\PCI");
  CTweakApp app(services, sheet);
  EXPECT_FALSE(app.StartUp());
  EXPECT_EQ(1u, shell.messages.size());
  EXPECT_FALSE(Common("version"));
}

// A start after one that recorded the card, with the card's driver not
// running (VGA mode, Safe Mode): the start offers the driver's own clocks
// and ends without a window. Yes deletes the clock values and asks about a
// restart, No changes nothing; a card recorded at a key that another card
// took since is no card.
TEST(StartWithoutDriver, OffersTheDriversClocksForTheRecordedCards) {
  struct Row {
    const char* what;
    bool nt;
    os::Answer answer;
    // Another card's: the card key's "DevicePath" (NT) or the driver key's
    // "DriverDesc" (Windows 98); null: as detection recorded them.
    const char* another;
    std::vector<std::string> messages;
  };
  const Row rows[] = {
      {"Windows 98, Yes", false, os::Answer::Yes, nullptr,
       {kNoDriverQuestion, ui::kRestartQuestion}},
      {"NT, Yes", true, os::Answer::Yes, nullptr,
       {kNoDriverQuestion, ui::kRestartQuestion}},
      {"NT, No", true, os::Answer::No, nullptr, {kNoDriverQuestion}},
      {"NT, another device key", true, os::Answer::Yes,
       "SYSTEM\\CURRENTCONTROLSET\\SERVICES\\VGASAVE\\DEVICE0",
       {kNotFoundMessage}},
      {"Windows 98, another card's driver key", false, os::Answer::Yes,
       "S3 Trio64V2/DX PCI", {kNotFoundMessage}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    Machine pc;
    if (row.nt) {
      pc.UseNT();
      pc.AddBansheeNT();
    } else {
      pc.AddBanshee95("0000");
    }
    ASSERT_TRUE(CTweakApp(pc.services, pc.sheet).StartUp());
    const std::string base =
        row.nt ? "System\\CurrentControlSet\\Services\\banshee\\Device0"
               : "System\\CurrentControlSet\\Services\\Class\\Display\\0000";
    const std::string clock = row.nt ? base : base + "\\DEFAULT";
    const char* core = row.nt ? "graphicsclocking" : "grxClock";
    const std::string card = row.nt ? "Device\\Video0" : "Display\\0000";
    if (row.nt)
      pc.registry.PutDword(kMachine, clock, core, 100);
    else
      pc.registry.PutText(kMachine, clock, core, "100");
    pc.registry.PutText(kMachine, clock, "memLatency", "1");
    pc.registry.PutText(kMachine, base + "\\Glide", "SSTH3_MEMCLOCK", "110");
    pc.registry.PutText(kMachine, "Software\\Quillfeld\\Kvartune\\" + card,
                        "kvartune_useclock", "1");
    if (row.another != nullptr && row.nt)
      pc.registry.PutText(kMachine, "Software\\Quillfeld\\Kvartune\\" + card,
                          "DevicePath", row.another);
    else if (row.another != nullptr)
      pc.registry.PutText(kMachine, base, "DriverDesc", row.another);
    pc.NoDriverRuns();
    pc.shell.answers = {row.answer, os::Answer::No};
    const std::string before = pc.registry.Dump();
    fakes::FakeSheet window;

    EXPECT_FALSE(CTweakApp(pc.services, window).StartUp());
    EXPECT_FALSE(window.created);
    std::vector<std::string> shown;
    for (const fakes::ShownMessage& message : pc.shell.messages)
      shown.push_back(message.text);
    EXPECT_EQ(row.messages, shown);
    if (row.messages.size() < 2) {
      EXPECT_EQ(before, pc.registry.Dump());
      continue;
    }
    EXPECT_FALSE(pc.registry.Get(kMachine, clock, core));
    EXPECT_FALSE(pc.registry.Get(kMachine, clock, "memLatency"));
    EXPECT_FALSE(pc.registry.Get(kMachine, base + "\\Glide", "SSTH3_MEMCLOCK"));
    EXPECT_EQ("0", pc.Card(card, "kvartune_useclock"));
    // The card key keeps what detection recorded.
    EXPECT_EQ("N/A", pc.Card(card, "driverversion"));
    EXPECT_TRUE(pc.power.requests.empty());
  }
}

TEST_F(StartUpTest, CreatesTheMainWindowShownUnlessStartMinIsOne) {
  AddBanshee95("0000");
  for (const char* startMin : {"0", "", "yes", "1 "}) {
    PutCommon("startmin", startMin);
    fakes::FakeSheet window;
    CTweakApp app(services, window);
    EXPECT_TRUE(app.StartUp());
    EXPECT_TRUE(window.visible) << startMin;
    EXPECT_EQ(app.MainWindow(), window.handler);
  }
  PutCommon("startmin", "1");
  CTweakApp app(services, sheet);
  EXPECT_TRUE(app.StartUp());
  EXPECT_TRUE(sheet.created);
  EXPECT_FALSE(sheet.visible);
}

TEST_F(StartUpTest, AStartThatEndsEarlyCreatesNoWindow) {
  registry.PutKey(kMachine, "Enum\\PCI");
  CTweakApp app(services, sheet);
  EXPECT_FALSE(app.StartUp());
  EXPECT_FALSE(sheet.created);
  EXPECT_EQ(nullptr, app.MainWindow());
}

}  // namespace
