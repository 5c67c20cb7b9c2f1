#include "scenario.h"

namespace e2e {
namespace {

const std::string kDirectX = "Software\\Microsoft\\DirectX";
const Names kDirect3DSwitches{"SSTH3_SWAPINTERVAL", "SSTH3_ANTIALIAS",
                              "SSTH3_OVERLAYMODE", "SSTH3_AUTOMIPMAP"};

TEST(Windows98Detection, RecordsTheBansheeAndClearsItsDirect3DSwitches) {
  ASSERT_TRUE(SeedMachine({"win98-one-banshee"}));
  ASSERT_TRUE(CopyWindows98DriverFiles());

  ASSERT_TRUE(RunsWithoutMessage());

  const std::string card = kDisplayCards + "\\0000";
  EXPECT_EQ(Names{"0000"}, SubkeyNames(kDisplayCards));
  ExpectTexts(card, {{"driverdesc", "3Dfx Voodoo Banshee"},
                     {"driver", "3dfxvs.drv"},
                     {"driverversion", "4.11.01.1208-1.00"},
                     {"HWRevision", "001"}});
  ExpectTexts(kCommon, {{"displaynumber", "1"},
                        {"selecteddisplay", "0000"},
                        {"version", "2.30"},
                        {"glide2version", "2.60.00.0321"},
                        {"glide3version", "3.10.00.0658"},
                        {"directxversion", "4.06.00.0318"}});
  // "loadstartup" is missing: the Run entry of an earlier installation goes.
  EXPECT_TRUE(HasNoValue(kRun, "xkvartune"));

  EXPECT_EQ((Names{"DriverDesc", "ProviderName", "DriverDate", "InfPath",
                   "InfSection", "DevLoader", "Ver", "SSTH3_RGAMMA"}),
            ValueNames(kDriverKeys + "0000"));
  EXPECT_EQ(kDirect3DSwitches, ValueNames(kDriverKeys + "0000\\D3D"));
}

TEST(Windows98Detection, VersionsOfMissingFilesAndDirectXAreNotAvailable) {
  ASSERT_TRUE(SeedMachine({"win98-one-banshee", "win98-without-directx"}));

  ASSERT_TRUE(RunsWithoutMessage());

  EXPECT_TRUE(HasText(kDisplayCards + "\\0000", "driverversion", "N/A"));
  ExpectVersions("N/A", "N/A", "N/A");
  // Reading the DirectX version makes no key.
  EXPECT_TRUE(HasNoKey(kDirectX));
}

TEST(Windows98Detection, DirectXWithoutVersionIsNotAvailable) {
  ASSERT_TRUE(
      SeedMachine({"win98-one-banshee", "win98-directx-without-version"}));

  ASSERT_TRUE(RunsWithoutMessage());

  EXPECT_TRUE(HasText(kCommon, "directxversion", "N/A"));
  EXPECT_EQ(Names{"InstalledVersion"}, ValueNames(kDirectX));
}

TEST(Windows98Detection, TwoBansheesKeepTheSelectedSecondCard) {
  ASSERT_TRUE(SeedMachine({"win98-one-banshee", "win98-second-banshee",
                           "kvartune-second-card-selected"}));
  ASSERT_TRUE(CopyWindows98DriverFiles());

  ASSERT_TRUE(RunsWithoutMessage());

  EXPECT_EQ((Names{"0000", "0002"}), SubkeyNames(kDisplayCards));
  const std::string second = kDisplayCards + "\\0002";
  ExpectTexts(second, {{"driverdesc", "3D Blaster Banshee PCI"},
                       {"driver", "3dfxvs.drv"},
                       {"driverversion", "4.11.01.1208-1.00"},
                       {"HWRevision", "N/A"}});
  EXPECT_TRUE(HasText(kDisplayCards + "\\0000", "HWRevision", "001"));

  ExpectTextsAmong(kCommon,
                   {{"displaynumber", "2"}, {"selecteddisplay", "0002"}});
  EXPECT_TRUE(HasText(kRun, "xkvartune", ProgramPath()));

  EXPECT_EQ((Names{"DriverDesc", "ProviderName", "DriverDate", "InfPath",
                   "InfSection", "DevLoader", "Ver"}),
            ValueNames(kDriverKeys + "0002"));
  EXPECT_EQ(Names{"SSTH3_AUTOMIPMAP"}, ValueNames(kDriverKeys + "0002\\D3D"));
  // No card uses driver key 0001, so its switches stay.
  EXPECT_TRUE(HasText(kDriverKeys + "0001", "SSTH3_ANTIALIAS", "1"));
}

TEST(Windows98Detection, InstancesThatAreNoCardGetNoCardKey) {
  ASSERT_TRUE(SeedMachine({"win98-one-banshee", "win98-lookalikes"}));

  ASSERT_TRUE(RunsWithoutMessage());

  EXPECT_EQ(Names{"0000"}, SubkeyNames(kDisplayCards));
  EXPECT_TRUE(HasText(kCommon, "displaynumber", "1"));
  EXPECT_TRUE(HasText(kDriverKeys + "0001", "SSTH3_ANTIALIAS", "1"));
  EXPECT_TRUE(HasText(kDriverKeys + "0003", "SSTH3_ANTIALIAS", "1"));
}

TEST(Windows98Detection, CardThatIsGoneLosesItsKeyAndTheSelection) {
  ASSERT_TRUE(SeedMachine({"win98-one-banshee", "kvartune-earlier-start-98"}));
  ASSERT_TRUE(CopyWindows98DriverFiles());

  ASSERT_TRUE(RunsWithoutMessage());

  EXPECT_EQ(Names{"0000"}, SubkeyNames(kDisplayCards));
  const std::string card = kDisplayCards + "\\0000";
  EXPECT_EQ((Names{"driverdesc", "driver", "driverversion", "HWRevision",
                   "kvartune_override", "kvartune_useclock"}),
            ValueNames(card));
  ExpectTextsAmong(card, {{"driverversion", "4.11.01.1208-1.00"},
                          {"kvartune_override", "0"},
                          {"kvartune_useclock", "1"}});

  ExpectTextsAmong(kCommon, {{"displaynumber", "1"},
                             {"selecteddisplay", "0000"},
                             {"applyall", "0"},
                             {"loadtray", "1"},
                             {"loadstartup", "0"}});
  ExpectVersions("2.60.00.0321", "3.10.00.0658", "4.06.00.0318");
  EXPECT_TRUE(HasNoValue(kRun, "xkvartune"));
}

}  // namespace
}  // namespace e2e
