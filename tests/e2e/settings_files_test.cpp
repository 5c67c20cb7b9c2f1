#include "performance_page.h"
#include "scenario.h"

// The restore point, Restore, Export and Import from the command line, on
// PCs with driver, vendor and environment values the program did not write.
namespace e2e {
namespace {

using Snapshot = std::map<std::string, std::string>;

// The values below a key, without its subkeys: a restore puts back values
// and leaves the keys the program made.
Snapshot Values(const std::string& key, HKEY root = HKEY_LOCAL_MACHINE) {
  Snapshot values;
  for (const auto& [path, value] : TreeSnapshot(key, root))
    if (path.back() != '\\') values[path] = value;
  return values;
}

// Every key a start, a page's load, an Apply or the clean-up may change
// outside the program's tree.
std::vector<Snapshot> ManagedKeys(const std::string& driver, bool nt) {
  std::vector<Snapshot> keys = {
      Values(driver), Values(kRun),
      Values("Software\\Microsoft\\Direct3D\\Drivers"),
      Values("Software\\Microsoft\\DirectDraw")};
  keys.push_back(nt ? Values("Environment", HKEY_CURRENT_USER)
                    : Values(driver, HKEY_CURRENT_USER));
  return keys;
}

// Runs kvtune with a command line to its end.
testing::AssertionResult Exits(const std::string& arguments, DWORD code) {
  ProgramRun run(ProgramPath(), arguments);
  if (!run.WaitForExit())
    return testing::AssertionFailure() << arguments << " did not end";
  if (run.ExitCode() != code)
    return testing::AssertionFailure()
           << arguments << " exited with " << run.ExitCode();
  return testing::AssertionSuccess();
}

// A first start makes the restore point, a page's activation cleans up, an
// Apply changes the Direct3D switches (on Windows 98 its first one asks for
// a restart: the start-up file does not call the splash batch file yet) and
// a second start leaves the restore point as it was; then a restore brings
// every managed value back and removes those that were not there, which a
// double-click on the file cannot.
void RestoreAfterStartsAndAnApply(const std::string& driver, bool nt,
                                  std::initializer_list<const char*> mapAgain) {
  RemoveStartupFiles();
  const std::vector<Snapshot> before = ManagedKeys(driver, nt);
  {
    PerformanceRun run;
    ASSERT_NE(nullptr, run.page);
    ASSERT_NE(nullptr, ShowPage(run.sheet, Page::Display));
    ASSERT_EQ(run.page, ShowPage(run.sheet, Page::Performance));
    ASSERT_TRUE(ClickButton(run.page, IDC_D3D_OVERLAY_MODE));
    ASSERT_TRUE(PressButton(run.page, IDC_PERF_APPLY));
    if (!nt) ExpectRestartQuestionAndPressNo(run.program);
    ASSERT_TRUE(
        WaitUntil([&] { return !IsEnabled(run.page, IDC_PERF_APPLY); }));
    EXPECT_TRUE(Unload(run.program, run.sheet));
  }
  const FileBytes restorePoint = ReadFileBytes(RestorePointFile());
  ASSERT_TRUE(restorePoint.exists);
  EXPECT_NE(before, ManagedKeys(driver, nt));
  ASSERT_TRUE(AddProfiles(mapAgain));
  EXPECT_TRUE(RunsWithoutMessage());
  EXPECT_EQ(restorePoint.bytes, ReadFileBytes(RestorePointFile()).bytes);

  // The registry editor sets back every value that was there and leaves
  // the ones that were not; the restore removes those too.
  ASSERT_TRUE(ImportRegistryFile(RestorePointFile()));
  const std::vector<Snapshot> edited = ManagedKeys(driver, nt);
  for (std::size_t key = 0; key < before.size(); ++key)
    for (const auto& [path, value] : before[key])
      EXPECT_EQ(value, edited[key].count(path) ? edited[key].at(path) : "")
          << path;
  EXPECT_NE(before, edited);

  ASSERT_TRUE(AddProfiles(mapAgain));
  EXPECT_TRUE(Exits("/restore /quiet", 0));
  EXPECT_EQ(before, ManagedKeys(driver, nt));
}

TEST(Windows98Settings, RestoreBringsBackWhatWasBeforeTheFirstStart) {
  ASSERT_TRUE(
      SeedMachine({"win98-one-banshee", "win98-vendor-settings-per-user"}));
  RestoreAfterStartsAndAnApply(kDriverKeys + "0000", false, {});
}

// Then in VGA mode a start asks about the driver's own clocks instead of
// ending with "NOT FOUND", /defaultclocks puts them back, /restore restores.
TEST(WindowsNTSettings, RestoreBringsBackWhatWasBeforeTheFirstStart) {
  ASSERT_TRUE(SeedMachine({"nt40-banshee", "kvartune-performance-nt"}));
  RestoreAfterStartsAndAnApply(kBansheeDevice, true, {"nt40-banshee"});
  const std::vector<Snapshot> before = ManagedKeys(kBansheeDevice, true);
  ASSERT_TRUE(AddProfiles({"nt40-vga-mode"}));
  {
    ProgramRun run(ProgramPath());
    ExpectQuestionAndAnswer(run,
                            "No 3Dfx VooDoo Banshee driver is running: Windows "
                            "may be in Safe Mode or VGA mode.\n\nPut the "
                            "clocks back to each card's own?",
                            IDNO);
    EXPECT_TRUE(run.WaitForExit());
  }
  EXPECT_TRUE(Exits("/defaultclocks /quiet", 0));
  EXPECT_TRUE(HasNoValue(kBansheeDevice, "graphicsclocking"));
  EXPECT_TRUE(HasText(kDeviceCards + "\\Video1", "kvartune_useclock", "0"));
  EXPECT_TRUE(Exits("/restore /quiet", 0));
  EXPECT_EQ(before, ManagedKeys(kBansheeDevice, true));
}

// An import brings back what was exported; a file naming a value outside
// the managed set, or malformed, is refused whole. A profile and a run with
// it leave the clocks.
TEST(Windows98Settings, ImportBringsBackTheExportAndRefusesForeignFiles) {
  ASSERT_TRUE(SeedMachine({"win98-one-banshee"}));
  const std::string driver = kDriverKeys + "0000";
  const std::string exported = "C:\\kvt-exported.reg";
  DeleteFileA(exported.c_str());
  ASSERT_TRUE(Exits("/export " + exported, 0));
  const std::vector<Snapshot> atExport = ManagedKeys(driver, false);
  ASSERT_TRUE(ChangeText(driver + "\\D3D", "SSTH3_ANTIALIAS", "0"));
  ASSERT_TRUE(Exits("/import " + exported + " /quiet", 0));
  EXPECT_EQ(atExport, ManagedKeys(driver, false));

  const std::string crafted = "C:\\kvt-crafted.reg";
  WriteFileBytes(crafted, "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\" + driver +
                              "\\D3D]\r\n\"SSTH3_ANTIALIAS\"=\"0\"\r\n\r\n"
                              "[HKEY_LOCAL_MACHINE\\" +
                              kRun + "]\r\n\"other\"=\"C:\\\\other.exe\"\r\n");
  {
    ProgramRun run(ProgramPath(), "/import " + crafted);
    ExpectMessageAndPressOk(
        run, crafted + ", line 7: \"other\" in " + kRun +
                 " is no setting Kvartune keeps for this PC. Nothing was "
                 "imported.");
    ASSERT_TRUE(run.WaitForExit());
    EXPECT_EQ(1u, run.ExitCode());
  }
  WriteFileBytes(crafted, "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\" + driver +
                              "\\D3D]\r\n\"SSTH3_ANTIALIAS\"=\"0\r\n");
  EXPECT_TRUE(Exits("/import " + crafted + " /quiet", 1));
  EXPECT_EQ(atExport, ManagedKeys(driver, false));
  DeleteFileA(exported.c_str());
  DeleteFileA(crafted.c_str());

  // A profile without the clocks; a run with it ends with its program's
  // exit code and puts back everything, the clocks untouched throughout.
  ASSERT_TRUE(ChangeText(driver + "\\DEFAULT", "grxClock", "100"));
  ASSERT_TRUE(ChangeText(driver + "\\D3D", "SSTH3_ANTIALIAS", "0"));
  ASSERT_TRUE(Exits("/saveprofile Run /quiet", 0));
  const std::string folder =
      ProgramPath().substr(0, ProgramPath().find_last_of('\\') + 1);
  const FileBytes profile = ReadFileBytes(folder + "profiles\\Run.reg");
  EXPECT_EQ(std::string::npos, profile.bytes.find("Clock"));
  ASSERT_TRUE(ChangeText(driver + "\\D3D", "SSTH3_ANTIALIAS", "1"));
  ASSERT_TRUE(ChangeText(driver + "\\DEFAULT", "grxClock", "110"));
  const std::vector<Snapshot> beforeRun = ManagedKeys(driver, false);
  EXPECT_TRUE(Exits("/quiet /profile Run /run cmd.exe /c exit 3", 3));
  EXPECT_EQ(beforeRun, ManagedKeys(driver, false));
  EXPECT_FALSE(ReadFileBytes(folder + "Run.before").exists);
  EXPECT_TRUE(Exits("/profile Run /quiet", 0));
  EXPECT_TRUE(HasText(driver + "\\D3D", "SSTH3_ANTIALIAS", "0"));
  EXPECT_TRUE(HasText(driver + "\\DEFAULT", "grxClock", "110"));
  DeleteFileA((folder + "profiles\\Run.reg").c_str());
  RemoveDirectoryA((folder + "profiles").c_str());
}

}  // namespace
}  // namespace e2e
