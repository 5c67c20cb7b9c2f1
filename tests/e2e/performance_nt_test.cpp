#include "machine/not_stored.h"
#include "performance_page.h"
#include "scenario.h"

// The Performance page end to end on a Windows NT 4.0 PC with one Banshee,
// \Device\Video1, whose device key is banshee\Device0.
namespace e2e {
namespace {

const std::string kUserEnvironment = "Environment";

TEST(WindowsNTPerformance, ApplyWritesTheDeviceKeyAndTheUserEnvironment) {
  ASSERT_TRUE(SeedMachine({"nt40-banshee", "kvartune-performance-nt"}));
  RemoveStartupFiles();
  PerformanceRun run;
  ASSERT_NE(nullptr, run.page);

  EXPECT_EQ("100MHz", ControlText(run.page, IDC_CORE_CLOCK));
  EXPECT_EQ("Default", ControlText(run.page, IDC_MEMORY_CLOCK));
  EXPECT_TRUE(IsEnabled(run.page, IDC_MEMORY_CLOCK_SPIN));
  EXPECT_TRUE(IsChecked(run.page, IDC_DDRAW_HW_ACCEL));

  // The memory clock one step up from Default; DirectDraw acceleration and
  // the splash screen off.
  ASSERT_TRUE(ClickArrow(run.page, IDC_MEMORY_CLOCK_SPIN, true));
  EXPECT_EQ("85MHz", ControlText(run.page, IDC_MEMORY_CLOCK));
  ASSERT_TRUE(ClickButton(run.page, IDC_DDRAW_HW_ACCEL));
  ASSERT_TRUE(ClickButton(run.page, IDC_GLIDE_NO_SPLASH));
  ASSERT_TRUE(FocusAndPressButton(run.page, IDC_PERF_APPLY));
  ExpectRestartQuestionAndPressNo(run.program);
  ASSERT_TRUE(WaitUntil([&] { return !IsEnabled(run.page, IDC_PERF_APPLY); }));
  // Apply gave the focus on before it went grey: the keyboard still works.
  EXPECT_TRUE(HasEnabledFocus(run.sheet));

  EXPECT_TRUE(HasBinary("Software\\Microsoft\\Direct3D\\Drivers",
                        "SoftwareOnly", {0}));
  EXPECT_TRUE(HasBinary("Software\\Microsoft\\DirectDraw", "EmulationOnly",
                        {1}));
  EXPECT_TRUE(HasDword(kBansheeDevice, "graphicsclocking", 100));
  EXPECT_TRUE(HasDword(kBansheeDevice, "memclocking", 85));
  EXPECT_TRUE(HasNoValue(kBansheeDevice, "memLatency"));
  EXPECT_TRUE(HasText(kDeviceCards + "\\Video1", "kvartune_useclock", "1"));
  ExpectTexts(kBansheeDevice + "\\D3D",
              {{"SSTH3_ANTIALIAS", "0"}, {"SSTH3_OVERLAYMODE", "0"},
               {"SSTH3_AUTOMIPMAP", "0"}, {"SSTH3_RGAMMA", "1.300000"},
               {"SSTH3_GGAMMA", "1.300000"}, {"SSTH3_BGAMMA", "1.300000"}});
  ExpectTexts(kBansheeDevice + "\\Glide",
              {{"FX_GLIDE_NO_SPLASH", "1"}, {"SSTH3_GRXCLOCK", "100"},
               {"SSTH3_MEMCLOCK", "85"}, {"SSTH3_RGAMMA", "1.300000"},
               {"SSTH3_GGAMMA", "1.300000"}, {"SSTH3_BGAMMA", "1.300000"}});

  // "kvartune_override" was never stored: the switches that differ from the
  // driver's default are user variables too; the vendor's one has gone.
  for (const char* name :
       {"SSTH3_ANTIALIAS", "SSTH3_OVERLAYMODE", "SSTH3_AUTOMIPMAP"})
    EXPECT_TRUE(HasText(kUserEnvironment, name, "0", HKEY_CURRENT_USER));
  EXPECT_TRUE(HasText(kUserEnvironment, "FX_GLIDE_NO_SPLASH", "1",
                      HKEY_CURRENT_USER));
  for (const char* name :
       {"SSTH3_SWAPINTERVAL", "FX_GLIDE_SHAMELESS_PLUG", "FX_GLIDE_SWAPINTERVAL",
        "FX_GLIDE_TMU_MEMSIZE", "FX_GLIDE_ALLOC_COLOR", "FX_GLIDE_LOD_DITHER",
        "FX_GLIDE_EMUL_RUSH", "SSTH3_RGAMMA", "SSTH3_GRXCLOCK"})
    EXPECT_TRUE(HasNoValue(kUserEnvironment, name, HKEY_CURRENT_USER));
  EXPECT_FALSE(ReadFileBytes(kSplashBatch).exists);
  EXPECT_FALSE(ReadFileBytes(kStartupFile).exists);

  ASSERT_TRUE(ClickButton(run.page, IDC_D3D_ANTIALIAS));
  ASSERT_TRUE(ClickButton(run.page, IDC_PERF_RESET));
  EXPECT_EQ("100MHz", ControlText(run.page, IDC_CORE_CLOCK));
  EXPECT_EQ("85MHz", ControlText(run.page, IDC_MEMORY_CLOCK));
  EXPECT_FALSE(IsChecked(run.page, IDC_DDRAW_HW_ACCEL));
  EXPECT_TRUE(IsChecked(run.page, IDC_GLIDE_NO_SPLASH));
  EXPECT_FALSE(IsChecked(run.page, IDC_D3D_ANTIALIAS));
  EXPECT_FALSE(IsEnabled(run.page, IDC_PERF_RESET));
  EXPECT_TRUE(Unload(run.program, run.sheet));
}

TEST(WindowsNTPerformance, ApplySaysWhatItCouldNotStore) {
  ASSERT_TRUE(SeedMachine({"nt40-banshee"}));
  ASSERT_TRUE(MakeVolatile(kBansheeDevice));
  PerformanceRun run;
  ASSERT_NE(nullptr, run.page);
  ExpectApplyCannotStore(run, settings::kCauseNT);
}

}  // namespace
}  // namespace e2e
