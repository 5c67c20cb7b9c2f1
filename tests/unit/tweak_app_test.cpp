#include <gtest/gtest.h>

#include "machine/os_family.h"
#include "app/tweak_app.h"
#include "machine.h"
#include "ui/app_message.h"

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
