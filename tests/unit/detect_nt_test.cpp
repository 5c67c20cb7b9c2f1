#include <gtest/gtest.h>

#include "app/card_detection.h"
#include "machine.h"
#include "ui/restart_prompt.h"

namespace {

constexpr os::Root kMachine = os::Root::LocalMachine;
const char kCards[] = "Software\\Quillfeld\\Kvartune\\Device";
const char kVideo[] = "HARDWARE\\DEVICEMAP\\VIDEO";

class DetectNTTest : public ::testing::Test, protected Machine {
 protected:
  void SetUp() override { UseNT(); }
  bool Detect() { return CCardDetection(services).DetectNT(); }
};

TEST_F(DetectNTTest, RecordsTheDeviceKeyOfEachCard) {
  AddBansheeNT();
  registry.PutText(kMachine, kVideo, "VgaCompatible",
                   "\\Registry\\Machine\\System\\CurrentControlSet\\Services\\"
                   "banshee\\Device0");
  AddFile("C:\\WINNT\\System32\\drivers\\banshee.sys", 0x0004000B, 0x000104B8,
          0x00010000);
  ASSERT_TRUE(Detect());

  EXPECT_EQ(std::vector<std::string>{"Video0"},
            registry.SubkeyNames(kMachine, kCards));
  EXPECT_EQ("1", Common("displaynumber"));
  const char card[] = "Device\\Video0";
  EXPECT_EQ("3Dfx Voodoo Banshee (NT)", Card(card, "driverdesc"));
  EXPECT_EQ("System32\\drivers\\banshee.sys", Card(card, "driver"));
  EXPECT_EQ("SYSTEM\\CURRENTCONTROLSET\\SERVICES\\BANSHEE\\DEVICE0",
            Card(card, "DevicePath"));
  EXPECT_EQ("N/A", Card(card, "HWRevision"));
  EXPECT_EQ("4.11.01.1208-1.00", Card(card, "driverversion"));
  EXPECT_FALSE(Card(card, "detected"));
}

TEST_F(DetectNTTest, TheChipMustMatchExactly) {
  AddBansheeNT("\\Device\\Video0", "Device0", "3DFX VOODOO BANSHEE");
  AddBansheeNT("\\Device\\Video1", "Device1", "3Dfx Voodoo Banshee2");
  AddBansheeNT("\\Device\\Video2", "Device2", "3Dfx Voodoo Banshe");
  AddBansheeNT("\\Device\\Video3", "Device3", "S3 Savage");
  EXPECT_FALSE(Detect());
  ASSERT_EQ(1u, shell.messages.size());
  EXPECT_EQ("3Dfx VooDoo Banshee NOT FOUND.", shell.messages[0].text);
}

TEST_F(DetectNTTest, MissingDescriptionAndDriverFileGiveNotAvailable) {
  AddBansheeNT();
  registry.Put(kMachine,
               "System\\CurrentControlSet\\Services\\banshee\\Device0",
               "Device Description", os::ValueType::Binary,
               std::vector<unsigned char>(300, 'x'));
  ASSERT_TRUE(Detect());
  EXPECT_EQ("N/A", Card("Device\\Video0", "driverdesc"));
  EXPECT_EQ("N/A", Card("Device\\Video0", "driverversion"));
}

TEST_F(DetectNTTest, ShortDeviceLinksAreSkippedSafely) {
  registry.PutText(kMachine, kVideo, "\\Device\\Video0", "\\Registry\\");
  registry.PutText(kMachine, kVideo, "\\Device\\Video1", "");
  registry.PutText(kMachine, kVideo, "\\Device\\Video2",
                   "\\Registry\\Machine\\");
  AddBansheeNT("\\Device\\Video3", "Device3");
  ASSERT_TRUE(Detect());
  EXPECT_EQ(std::vector<std::string>{"Video3"},
            registry.SubkeyNames(kMachine, kCards));
}

TEST_F(DetectNTTest, UnlistableDeviceMapShowsTheMessage) {
  registry.Deny(kMachine, kVideo);
  EXPECT_FALSE(Detect());
  EXPECT_EQ(1u, shell.messages.size());
}

TEST_F(DetectNTTest, SweepsTheDeviceTree) {
  AddBansheeNT();
  registry.PutDword(kMachine, std::string(kCards) + "\\Video0",
                    "REFRESHRATE 640 x  480", 85);
  registry.PutText(kMachine, std::string(kCards) + "\\Video7", "driverdesc",
                   "old");
  ASSERT_TRUE(Detect());
  EXPECT_EQ(std::vector<std::string>{"Video0"},
            registry.SubkeyNames(kMachine, kCards));
  EXPECT_TRUE(registry.Get(kMachine, std::string(kCards) + "\\Video0",
                           "REFRESHRATE 640 x  480"));

  // In VGA mode no card is found and its key stays whole; the user is asked
  // whether to put its clocks back (No, then Yes). A card key that names
  // another device's key is no card.
  NoDriverRuns();
  shell.answers = {os::Answer::No, os::Answer::Yes, os::Answer::No};
  const std::string vgaMode = registry.Dump();
  EXPECT_FALSE(Detect());
  EXPECT_EQ(vgaMode, registry.Dump());
  EXPECT_FALSE(Detect());
  EXPECT_EQ("0", Card("Device\\Video0", "kvartune_useclock"));
  registry.PutText(kMachine, std::string(kCards) + "\\Video0", "DevicePath",
                   "HARDWARE");
  EXPECT_FALSE(Detect());
  ASSERT_EQ(4u, shell.messages.size());
  EXPECT_EQ(kNoDriverQuestion, shell.messages[1].text);
  EXPECT_EQ(ui::kRestartQuestion, shell.messages[2].text);
  EXPECT_EQ(kNotFoundMessage, shell.messages[3].text);
}

}  // namespace
