#include "machine/not_stored.h"
#include "performance_page.h"
#include "scenario.h"

// The Performance page end to end on a Windows 98 PC with two Banshees,
// driver keys 0000 and 0002, the second chosen alone ("applyall" "0").
namespace e2e {
namespace {

const std::string kSecond = kDriverKeys + "0002";
// The start-up file the PC had, without a line break at its end.
const std::string kStartup = "@echo off\r\nPATH C:\\WINDOWS;C:\\WINDOWS\\COMMAND";

void ExpectStoredPage(HWND page, const std::string& core) {
  EXPECT_EQ(core, ControlText(page, IDC_CORE_CLOCK));
  EXPECT_EQ("110MHz", ControlText(page, IDC_MEMORY_CLOCK));
  EXPECT_TRUE(IsChecked(page, IDC_USE_CLOCK_SETTINGS));
  EXPECT_FALSE(IsChecked(page, IDC_USE_DEFAULT_CLOCKS));
  EXPECT_TRUE(IsEnabled(page, IDC_CORE_CLOCK_SPIN));
  EXPECT_TRUE(IsChecked(page, IDC_D3D_HW_ACCEL));
  EXPECT_TRUE(IsChecked(page, IDC_D3D_AUTO_MIPMAP));
  EXPECT_TRUE(IsChecked(page, IDC_GLIDE_NO_SHAMELESS_PLUG));
  EXPECT_FALSE(IsEnabled(page, IDC_PERF_APPLY));
  EXPECT_FALSE(IsEnabled(page, IDC_PERF_RESET));
}

TEST(Windows98Performance, ApplyWritesTheSelectedCardAndTheStartupFiles) {
  ASSERT_TRUE(SeedMachine({"win98-one-banshee", "win98-second-banshee",
                           "kvartune-performance-98"}));
  ASSERT_TRUE(CopyWindows98DriverFiles());
  RemoveStartupFiles();
  WriteFileBytes(kStartupFile, kStartup);
  PerformanceRun run;
  ASSERT_NE(nullptr, run.page);
  const auto firstCard = TreeSnapshot(kDriverKeys + "0000");

  ExpectStoredPage(run.page, "100MHz");
  EXPECT_FALSE(IsChecked(run.page, IDC_GLIDE_NO_SPLASH));
  EXPECT_FALSE(IsChecked(run.page, IDC_D3D_OVERLAY_MODE));
  EXPECT_EQ("1.2", ControlText(run.page, IDC_GLIDE_GAMMA_RED));
  EXPECT_EQ("1.3", ControlText(run.page, IDC_GLIDE_GAMMA_GREEN));
  EXPECT_EQ("1.3", ControlText(run.page, IDC_D3D_GAMMA_RED));
  EXPECT_TRUE(SaveScreenshot(run.sheet, "performance-load"));

  // One step up of the core clock and of the linked Glide gammas; the
  // splash screen off and the overlay mode on.
  ASSERT_TRUE(ClickArrow(run.page, IDC_CORE_CLOCK_SPIN, true));
  ASSERT_TRUE(ClickArrow(run.page, IDC_GLIDE_GAMMA_RED_SPIN, true));
  ASSERT_TRUE(ClickButton(run.page, IDC_GLIDE_NO_SPLASH));
  ASSERT_TRUE(ClickButton(run.page, IDC_D3D_OVERLAY_MODE));
  EXPECT_EQ("101MHz", ControlText(run.page, IDC_CORE_CLOCK));
  for (int edit : {IDC_GLIDE_GAMMA_RED, IDC_GLIDE_GAMMA_GREEN,
                   IDC_GLIDE_GAMMA_BLUE})
    EXPECT_EQ("1.21", ControlText(run.page, edit));
  EXPECT_TRUE(IsEnabled(run.page, IDC_PERF_APPLY));
  EXPECT_TRUE(SaveScreenshot(run.sheet, "performance-change"));

  ASSERT_TRUE(FocusAndPressButton(run.page, IDC_PERF_APPLY));
  ExpectRestartQuestionAndPressNo(run.program);
  ASSERT_TRUE(WaitUntil([&] { return !IsEnabled(run.page, IDC_PERF_APPLY); }));
  // Apply gave the focus on before it went grey: the keyboard still works.
  EXPECT_TRUE(HasEnabledFocus(run.sheet));

  EXPECT_TRUE(HasDword("Software\\Microsoft\\Direct3D\\Drivers",
                       "SoftwareOnly", 0));
  EXPECT_TRUE(HasDword("Software\\Microsoft\\DirectDraw", "EmulationOnly", 0));
  EXPECT_TRUE(HasText(kCommon, "linkrgb1", "1"));
  EXPECT_TRUE(HasText(kCommon, "linkrgb2", "1"));
  EXPECT_TRUE(HasText(kDisplayCards + "\\0002", "kvartune_useclock", "1"));
  EXPECT_EQ((Names{"drv", "vdd", "minivdd", "Mode", "RefreshRate", "grxClock",
                   "memClock"}),
            ValueNames(kSecond + "\\DEFAULT"));
  EXPECT_TRUE(HasText(kSecond + "\\DEFAULT", "grxClock", "101"));
  EXPECT_TRUE(HasText(kSecond + "\\DEFAULT", "memClock", "110"));
  ExpectTexts(kSecond + "\\D3D",
              {{"SSTH3_ANTIALIAS", "0"}, {"SSTH3_OVERLAYMODE", "1"},
               {"SSTH3_AUTOMIPMAP", "1"}, {"SSTH3_RGAMMA", "1.300000"},
               {"SSTH3_GGAMMA", "1.300000"}, {"SSTH3_BGAMMA", "1.300000"}});
  ExpectTexts(kSecond + "\\Glide",
              {{"FX_GLIDE_NO_SPLASH", "1"}, {"SSTH3_GRXCLOCK", "101"},
               {"SSTH3_MEMCLOCK", "110"}, {"SSTH3_RGAMMA", "1.210000"},
               {"SSTH3_GGAMMA", "1.210000"}, {"SSTH3_BGAMMA", "1.210000"}});
  // The first card is not a target; its splash switch, "1" already, is
  // written like every card's.
  EXPECT_EQ(firstCard, TreeSnapshot(kDriverKeys + "0000"));

  const FileBytes startup = ReadFileBytes(kStartupFile);
  EXPECT_EQ(kStartup +
                "\r\n@if exist c:\\kvartune.bat call c:\\kvartune.bat\r\n",
            startup.bytes);
  EXPECT_EQ(kStartup, ReadFileBytes(kStartupCopy).bytes);
  const FileBytes batch = ReadFileBytes(kSplashBatch);
  EXPECT_TRUE(batch.exists);
  EXPECT_EQ("set FX_GLIDE_NO_SPLASH=1", batch.bytes);

  // Reset, once a change has enabled it, shows what was stored.
  ASSERT_TRUE(ClickButton(run.page, IDC_D3D_ANTIALIAS));
  ASSERT_TRUE(ClickButton(run.page, IDC_PERF_RESET));
  ExpectStoredPage(run.page, "101MHz");
  EXPECT_TRUE(IsChecked(run.page, IDC_GLIDE_NO_SPLASH));
  EXPECT_TRUE(IsChecked(run.page, IDC_D3D_OVERLAY_MODE));
  EXPECT_FALSE(IsChecked(run.page, IDC_D3D_ANTIALIAS));
  EXPECT_EQ("1.21", ControlText(run.page, IDC_GLIDE_GAMMA_BLUE));
  EXPECT_TRUE(Unload(run.program, run.sheet));
  RemoveStartupFiles();
}

TEST(Windows98Performance, ApplySaysWhatItCouldNotStore) {
  ASSERT_TRUE(SeedMachine({"win98-one-banshee"}));
  ASSERT_TRUE(MakeVolatile(kDriverKeys + "0000"));
  RemoveStartupFiles();
  PerformanceRun run;
  ASSERT_NE(nullptr, run.page);
  ExpectApplyCannotStore(run, settings::kCause95);
  RemoveStartupFiles();
}

}  // namespace
}  // namespace e2e
