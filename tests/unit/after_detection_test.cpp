#include <gtest/gtest.h>

#include "app/card_detection.h"
#include "machine.h"

namespace {

constexpr os::Root kMachine = os::Root::LocalMachine;
const char kRun[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\run";

class AfterDetectionTest : public ::testing::Test, protected Machine {
 protected:
  void Cards(std::initializer_list<const char*> cards) {
    for (const char* card : cards)
      registry.PutText(kMachine,
                       std::string("Software\\Quillfeld\\Kvartune\\Display\\") +
                           card,
                       "driverdesc", "3Dfx Voodoo Banshee");
  }
  void Run(const char* family = "Windows95") {
    CCardDetection(services).AfterDetection(family);
  }
};

TEST_F(AfterDetectionTest, KeepsASelectionWhoseCardIsPresent) {
  Cards({"0000", "0002"});
  PutCommon("selecteddisplay", "0002");
  Run();
  EXPECT_EQ("0002", Common("selecteddisplay"));
}

TEST_F(AfterDetectionTest, MovesAMissingOrGoneSelectionToTheFirstCard) {
  Cards({"0001", "0003"});
  Run();
  EXPECT_EQ("0001", Common("selecteddisplay"));
  PutCommon("selecteddisplay", "0009");
  Run();
  EXPECT_EQ("0001", Common("selecteddisplay"));
  PutCommon("selecteddisplay", "");
  Run();
  EXPECT_EQ("0001", Common("selecteddisplay"));
}

TEST_F(AfterDetectionTest, UsesTheDeviceTreeOnWindowsNT) {
  Cards({"0000"});
  registry.PutKey(kMachine, "Software\\Quillfeld\\Kvartune\\Device\\Video0");
  Run("WindowsNT");
  EXPECT_EQ("Video0", Common("selecteddisplay"));
}

TEST_F(AfterDetectionTest, NoCardsLeaveNothingSelected) {
  PutCommon("selecteddisplay", "0000");
  Run();
  EXPECT_FALSE(Common("selecteddisplay"));
}

TEST_F(AfterDetectionTest, WritesTheVersionTexts) {
  Cards({"0000"});
  AddFile("C:\\WINDOWS\\SYSTEM\\glide2x.dll", 0x00020032, 0x00000141);
  AddFile("C:\\WINDOWS\\SYSTEM\\glide3x.dll", 0x0003000A, 0x00000292);
  registry.PutText(kMachine, "Software\\Microsoft\\DirectX", "Version",
                   "4.06.00.0318");
  Run();
  EXPECT_EQ("2.30", Common("version"));
  EXPECT_EQ("2.50.00.0321", Common("glide2version"));
  EXPECT_EQ("3.10.00.0658", Common("glide3version"));
  EXPECT_EQ("4.06.00.0318", Common("directxversion"));
}

TEST_F(AfterDetectionTest, MissingLibrariesAndDirectXGiveNotAvailable) {
  Cards({"0000"});
  files.files["C:\\WINDOWS\\SYSTEM\\glide3x.dll"] = std::nullopt;
  Run();
  EXPECT_EQ("N/A", Common("glide2version"));
  EXPECT_EQ("N/A", Common("glide3version"));
  EXPECT_EQ("N/A", Common("directxversion"));
  EXPECT_FALSE(registry.KeyExists(kMachine, "Software\\Microsoft\\DirectX"));

  registry.PutText(kMachine, "Software\\Microsoft\\DirectX", "Version", "");
  Run();
  EXPECT_EQ("N/A", Common("directxversion"));
}

TEST_F(AfterDetectionTest, RunEntryFollowsLoadStartup) {
  Cards({"0000"});
  PutCommon("loadstartup", "1");
  Run();
  EXPECT_EQ("\"C:\\Program Files\\Kvartune\\kvtune.exe\"",
            registry.Text(kMachine, kRun, "xkvartune"));

  system.modulePath = "D:\\" + std::string(300, 'p') + "\\kvtune.exe";
  Run();
  EXPECT_EQ(system.modulePath, registry.Text(kMachine, kRun, "xkvartune"));

  for (const char* other : {"0", "", "yes"}) {
    PutCommon("loadstartup", other);
    Run();
    EXPECT_FALSE(registry.Get(kMachine, kRun, "xkvartune")) << other;
  }
}

TEST_F(AfterDetectionTest, UnknownModulePathWritesNoRunEntry) {
  Cards({"0000"});
  PutCommon("loadstartup", "1");
  system.modulePath.clear();
  Run();
  EXPECT_FALSE(registry.Get(kMachine, kRun, "xkvartune"));
}

}  // namespace
