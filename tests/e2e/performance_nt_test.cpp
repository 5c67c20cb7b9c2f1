#include <gtest/gtest.h>

#include <string>

#include "machine_profile.h"
#include "main_window.h"
#include "message_box.h"
#include "performance_page.h"
#include "registry_check.h"
#include "res/controls.h"
#include "scenario.h"
#include "window_control.h"

// The Performance page end to end on a Windows NT 4.0 PC with one Banshee,
// \Device\Video1, whose device key is banshee\Device0.
namespace e2e {
namespace {

const std::string kDevice = "System\\CurrentControlSet\\Services\\banshee\\Device0";
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
  ClickArrow(run.page, IDC_MEMORY_CLOCK_SPIN, true);
  EXPECT_EQ("85MHz", ControlText(run.page, IDC_MEMORY_CLOCK));
  ASSERT_TRUE(ClickButton(run.page, IDC_DDRAW_HW_ACCEL));
  ASSERT_TRUE(ClickButton(run.page, IDC_GLIDE_NO_SPLASH));
  ASSERT_TRUE(PressButton(run.page, IDC_PERF_APPLY));
  ExpectRestartQuestionAndPressNo(run.program);
  ASSERT_TRUE(WaitUntil([&] { return !IsEnabled(run.page, IDC_PERF_APPLY); }));

  EXPECT_TRUE(HasBinary("Software\\Microsoft\\Direct3D\\Drivers",
                        "SoftwareOnly", {0}));
  EXPECT_TRUE(HasBinary("Software\\Microsoft\\DirectDraw", "EmulationOnly",
                        {1}));
  EXPECT_TRUE(HasDword(kDevice, "graphicsclocking", 100));
  EXPECT_TRUE(HasDword(kDevice, "memclocking", 85));
  EXPECT_TRUE(HasNoValue(kDevice, "memLatency"));
  EXPECT_TRUE(HasText(kDeviceCards + "\\Video1", "kvartune_useclock", "1"));
  EXPECT_EQ((Names{"SSTH3_ANTIALIAS", "SSTH3_OVERLAYMODE", "SSTH3_AUTOMIPMAP",
                   "SSTH3_RGAMMA", "SSTH3_GGAMMA", "SSTH3_BGAMMA"}),
            ValueNames(kDevice + "\\D3D"));
  for (const char* name :
       {"SSTH3_ANTIALIAS", "SSTH3_OVERLAYMODE", "SSTH3_AUTOMIPMAP"})
    EXPECT_TRUE(HasText(kDevice + "\\D3D", name, "0"));
  EXPECT_EQ((Names{"FX_GLIDE_NO_SPLASH", "SSTH3_GRXCLOCK", "SSTH3_MEMCLOCK",
                   "SSTH3_RGAMMA", "SSTH3_GGAMMA", "SSTH3_BGAMMA"}),
            ValueNames(kDevice + "\\Glide"));
  EXPECT_TRUE(HasText(kDevice + "\\Glide", "FX_GLIDE_NO_SPLASH", "1"));
  EXPECT_TRUE(HasText(kDevice + "\\Glide", "SSTH3_GRXCLOCK", "100"));
  EXPECT_TRUE(HasText(kDevice + "\\Glide", "SSTH3_MEMCLOCK", "85"));
  for (const char* gamma : {"SSTH3_RGAMMA", "SSTH3_GGAMMA", "SSTH3_BGAMMA"}) {
    EXPECT_TRUE(HasText(kDevice + "\\D3D", gamma, "1.300000"));
    EXPECT_TRUE(HasText(kDevice + "\\Glide", gamma, "1.300000"));
  }

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

}  // namespace
}  // namespace e2e
