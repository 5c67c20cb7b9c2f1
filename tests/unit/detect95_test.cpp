#include <gtest/gtest.h>

#include "app/card_detection.h"
#include "machine.h"

namespace {

constexpr os::Root kMachine = os::Root::LocalMachine;
const char kCards[] = "Software\\Quillfeld\\Kvartune\\Display";

class Detect95Test : public ::testing::Test, protected Machine {
 protected:
  bool Detect() { return CCardDetection(services).Detect95(); }
};

TEST_F(Detect95Test, RecordsOneCardKeyPerCard) {
  AddBanshee95("0000");
  AddBanshee95("0002", "BUS_02&DEV_00&FUNC_00");
  AddFile("C:\\WINDOWS\\SYSTEM\\3dfxvs.drv", 0x0004000B, 0x000104B8);
  ASSERT_TRUE(Detect());

  EXPECT_EQ((std::vector<std::string>{"0000", "0002"}),
            registry.SubkeyNames(kMachine, kCards));
  EXPECT_EQ("2", Common("displaynumber"));
  for (const char* card : {"Display\\0000", "Display\\0002"}) {
    EXPECT_EQ("3Dfx Voodoo Banshee", Card(card, "driverdesc"));
    EXPECT_EQ("3dfxvs.drv", Card(card, "driver"));
    EXPECT_EQ("4.11.01.1208-1.00", Card(card, "driverversion"));
    EXPECT_EQ("01", Card(card, "HWRevision"));
    EXPECT_FALSE(Card(card, "detected"));
    EXPECT_FALSE(Card(card, "DevicePath"));
  }
  EXPECT_TRUE(shell.messages.empty());
}

TEST_F(Detect95Test, MatchesTheCaseSensitivePciIdPrefixOnly) {
  AddBanshee95("0000", "I", "VEN_121A&DEV_0003");
  AddBanshee95("0001", "I", "ven_121a&dev_0003&SUBSYS_00000000");
  AddBanshee95("0003", "I", "VEN_121A&DEV_0005&SUBSYS_00000000");
  AddBanshee95("0004", "I", "VEN_121A");
  ASSERT_TRUE(Detect());
  EXPECT_EQ(std::vector<std::string>{"0000"},
            registry.SubkeyNames(kMachine, kCards));
}

TEST_F(Detect95Test, MissingDriverFileAndRevisionGiveNotAvailable) {
  AddBanshee95("0000", "I", "VEN_121A&DEV_0003&SUBSYS_1", "");
  AddBanshee95("0001", "J", "VEN_121A&DEV_0003&SUBSYS_2", "");
  registry.PutText(kMachine, "Enum\\PCI\\VEN_121A&DEV_0003&SUBSYS_2\\J",
                   "HWRevision", "");
  ASSERT_TRUE(Detect());
  EXPECT_EQ("N/A", Card("Display\\0000", "driverversion"));
  EXPECT_EQ("N/A", Card("Display\\0000", "HWRevision"));
  EXPECT_EQ("N/A", Card("Display\\0001", "HWRevision"));
}

TEST_F(Detect95Test, DeletesTheStaleDirect3DSwitchesOfTheDriverKeyOnly) {
  AddBanshee95("0000");
  const std::string driver =
      "System\\CurrentControlSet\\Services\\Class\\Display\\0000";
  for (const char* name : {"SSTH3_SWAPINTERVAL", "SSTH3_ANTIALIAS",
                           "SSTH3_OVERLAYMODE", "SSTH3_AUTOMIPMAP"}) {
    registry.PutText(kMachine, driver, name, "1");
    registry.PutText(kMachine, driver + "\\D3D", name, "1");
  }
  ASSERT_TRUE(Detect());
  EXPECT_EQ(std::vector<std::string>{"DriverDesc"},
            registry.ValueNames(kMachine, driver));
  EXPECT_EQ(4u, registry.ValueNames(kMachine, driver + "\\D3D").size());
}

TEST_F(Detect95Test, AnInstanceWhoseDescriptionsDifferIsNoCard) {
  AddBanshee95("0000");
  AddBanshee95("0001", "OTHER");
  registry.PutText(kMachine,
                   "System\\CurrentControlSet\\Services\\Class\\Display\\0001",
                   "DriverDesc", "3Dfx Voodoo Banshee PCI");
  // A key that only the mismatching instance would have produced.
  registry.PutText(kMachine, std::string(kCards) + "\\0001",
                   "kvartune_override", "0");
  ASSERT_TRUE(Detect());
  EXPECT_EQ(std::vector<std::string>{"0000"},
            registry.SubkeyNames(kMachine, kCards));
  EXPECT_EQ("1", Common("displaynumber"));
}

TEST_F(Detect95Test, SweepsCardsThatAreGoneAndKeepsTheSettingsOfPresentOnes) {
  AddBanshee95("0000");
  registry.PutText(kMachine, std::string(kCards) + "\\0000",
                   "kvartune_override", "0");
  registry.PutText(kMachine, std::string(kCards) + "\\0000",
                   "kvartune_useclock", "1");
  registry.PutText(kMachine, std::string(kCards) + "\\0005",
                   "kvartune_override", "1");
  // A start cut short before its sweep left its mark on a card since gone.
  registry.PutText(kMachine, std::string(kCards) + "\\0006", "detected", "1");
  ASSERT_TRUE(Detect());
  EXPECT_EQ(std::vector<std::string>{"0000"},
            registry.SubkeyNames(kMachine, kCards));
  EXPECT_EQ("0", Card("Display\\0000", "kvartune_override"));
  EXPECT_EQ("1", Card("Display\\0000", "kvartune_useclock"));
}

TEST_F(Detect95Test, NoCardShowsTheMessageAndWritesNothing) {
  registry.PutKey(kMachine, "Enum\\PCI\\VEN_8086&DEV_7190\\I");
  registry.PutText(kMachine, std::string(kCards) + "\\0000",
                   "kvartune_override", "0");
  EXPECT_FALSE(Detect());
  ASSERT_EQ(1u, shell.messages.size());
  EXPECT_EQ("3Dfx VooDoo Banshee NOT FOUND.", shell.messages[0].text);
  EXPECT_EQ("kvtune", shell.messages[0].caption);
  EXPECT_EQ(os::Buttons::Ok, shell.messages[0].buttons);
  EXPECT_EQ(os::Icon::Exclamation, shell.messages[0].icon);
  EXPECT_FALSE(Common("displaynumber"));
  EXPECT_EQ("0", Card("Display\\0000", "kvartune_override"));
}

TEST_F(Detect95Test, UnlistablePciEnumerationFailsSilently) {
  registry.Deny(kMachine, "Enum\\PCI");
  EXPECT_FALSE(Detect());
  EXPECT_TRUE(shell.messages.empty());
}

TEST_F(Detect95Test, AnInstanceWithoutDriverValueBorrowsNothing) {
  AddBanshee95("0000", "A");
  registry.PutText(kMachine,
                   "Enum\\PCI\\VEN_121A&DEV_0003&SUBSYS_00000000&REV_01\\B",
                   "DeviceDesc", "3Dfx Voodoo Banshee");
  ASSERT_TRUE(Detect());
  EXPECT_EQ("1", Common("displaynumber"));
  EXPECT_FALSE(registry.Get(kMachine, "Software\\Quillfeld\\Kvartune",
                            "driverdesc"));
}

TEST_F(Detect95Test, ACardKeyThatWillNotOpenStillCounts) {
  AddBanshee95("0000");
  AddBanshee95("0001", "B");
  registry.Deny(kMachine, "Software\\Quillfeld\\Kvartune\\Display\\0001");
  ASSERT_TRUE(Detect());
  EXPECT_EQ("2", Common("displaynumber"));
  EXPECT_EQ(std::vector<std::string>{"0000"},
            registry.SubkeyNames(kMachine, kCards));
}

}  // namespace
