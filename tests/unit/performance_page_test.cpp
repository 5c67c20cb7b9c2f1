#include "performance_fixture.h"

namespace {

const std::string kD3D = kDriver + "0000\\D3D";
const std::string kGlide = kDriver + "0000\\Glide";

// Clock mode "1" with a stored core clock: the clock display rule.
TEST_F(PerformanceTest, StoredClocksShowByTheDisplayRule) {
  struct Case {
    const char* stored;  // null: no clock values at all
    const char* shown;
    bool steppers;
  };
  const Case cases[] = {
      {"100", "100MHz", true},   {"84", "Default", true},
      {"167", "Default", true},  {"100MHz", "Default", false},
      {"fast", "Default", false}, {nullptr, "Default", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.stored ? c.stored : "none");
    Fresh();
    Cards95();
    UseClock(kDisplayCards + "0000");
    if (c.stored)
      registry.PutText(kMachine, kDriver + "0000\\DEFAULT",
                       "grxClock", c.stored);
    Show();
    EXPECT_EQ(c.shown, controls.Text(IDC_CORE_CLOCK));
    EXPECT_EQ("Default", controls.Text(IDC_MEMORY_CLOCK));
    EXPECT_TRUE(controls.IsChecked(IDC_USE_CLOCK_SETTINGS));
    EXPECT_TRUE(controls.IsEnabled(IDC_CORE_CLOCK));
    EXPECT_EQ(!c.steppers, controls.IsChecked(IDC_USE_DEFAULT_CLOCKS));
    EXPECT_EQ(c.steppers, controls.IsEnabled(IDC_CORE_CLOCK_SPIN));
    EXPECT_EQ(c.steppers, controls.IsEnabled(IDC_MEMORY_CLOCK_SPIN));
    EXPECT_FALSE(ApplyEnabled());
  }
}

TEST_F(PerformanceTest, WithoutClockModeEveryClockControlIsOff) {
  Cards95();
  registry.PutText(kMachine, kDriver + "0000\\DEFAULT", "grxClock",
                   "100");
  Show();
  EXPECT_FALSE(controls.IsChecked(IDC_USE_CLOCK_SETTINGS));
  EXPECT_FALSE(controls.IsChecked(IDC_USE_DEFAULT_CLOCKS));
  for (int id : {IDC_CORE_CLOCK_LABEL, IDC_MEMORY_CLOCK_LABEL, IDC_CORE_CLOCK,
                 IDC_MEMORY_CLOCK, IDC_CORE_CLOCK_SPIN, IDC_MEMORY_CLOCK_SPIN,
                 IDC_USE_DEFAULT_CLOCKS})
    EXPECT_FALSE(controls.IsEnabled(id)) << id;
  EXPECT_EQ("Default", controls.Text(IDC_CORE_CLOCK));

  // Checking "Use Clock settings" reads the stored clock.
  Toggle(IDC_USE_CLOCK_SETTINGS);
  EXPECT_EQ("100MHz", controls.Text(IDC_CORE_CLOCK));
  EXPECT_TRUE(controls.IsEnabled(IDC_CORE_CLOCK_SPIN));
  EXPECT_TRUE(ApplyEnabled());
}

TEST_F(PerformanceTest, GammasShowTheirFirstFourCharacters) {
  Cards95();
  registry.PutText(kMachine, kD3D, "SSTH3_RGAMMA", "1.234567");
  registry.PutText(kMachine, kD3D, "SSTH3_BGAMMA", "0.950000");
  registry.PutText(kMachine, kGlide, "SSTH3_GGAMMA", "x.300000");
  Show();
  EXPECT_EQ("1.23", controls.Text(IDC_D3D_GAMMA_RED));
  EXPECT_EQ("1.3", controls.Text(IDC_D3D_GAMMA_GREEN));
  EXPECT_EQ("0.95", controls.Text(IDC_D3D_GAMMA_BLUE));
  EXPECT_EQ("1.3", controls.Text(IDC_GLIDE_GAMMA_RED));
  // Not a number: the exchange stops there, and that edit and the ones
  // after it show what their members held, 0 on a new page.
  ASSERT_EQ(1u, shell.messages.size());
  EXPECT_EQ("Please enter a number.", shell.messages[0].text);
  EXPECT_EQ("0", controls.Text(IDC_GLIDE_GAMMA_GREEN));
  EXPECT_EQ("0", controls.Text(IDC_GLIDE_GAMMA_BLUE));
}

TEST_F(PerformanceTest, SwitchesFollowTheirTexts) {
  const int boxes[] = {IDC_D3D_DISABLE_VSYNC, IDC_D3D_ANTIALIAS,
                       IDC_D3D_OVERLAY_MODE,  IDC_D3D_AUTO_MIPMAP,
                       IDC_GLIDE_NO_SPLASH,   IDC_GLIDE_NO_SHAMELESS_PLUG,
                       IDC_GLIDE_DISABLE_VSYNC, IDC_GLIDE_TEXTURE_2MB,
                       IDC_GLIDE_TRIPLE_BUFFER, IDC_GLIDE_MIPMAP_DITHER,
                       IDC_GLIDE_RUSH_EMULATION};
  struct Case {
    const char* name;
    // The texts of the D3D values, then of the Glide ones, in box order.
    std::vector<const char*> texts;
    std::vector<bool> checked;
  };
  const Case cases[] = {
      {"missing", {}, {0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0}},
      {"on", {"0", "1", "1", "1", "1", "1", "0", "2", "3", "1", "1"},
       {1, 1, 1, 1, 1, 0, 1, 1, 1, 1, 1}},
      {"other", {"1", "0", "2", "0", "0", "0", "1", "1", "1", "2", "0"},
       {0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0}},
  };
  const char* names[] = {"SSTH3_SWAPINTERVAL", "SSTH3_ANTIALIAS",
                         "SSTH3_OVERLAYMODE", "SSTH3_AUTOMIPMAP",
                         "FX_GLIDE_NO_SPLASH", "FX_GLIDE_SHAMELESS_PLUG",
                         "FX_GLIDE_SWAPINTERVAL", "FX_GLIDE_TMU_MEMSIZE",
                         "FX_GLIDE_ALLOC_COLOR", "FX_GLIDE_LOD_DITHER",
                         "FX_GLIDE_EMUL_RUSH"};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Cards95();
    for (std::size_t i = 0; i < c.texts.size(); ++i)
      registry.PutText(kMachine, i < 4 ? kD3D : kGlide, names[i], c.texts[i]);
    Show();
    for (std::size_t i = 0; i < std::size(boxes); ++i)
      EXPECT_EQ(c.checked[i], controls.IsChecked(boxes[i])) << names[i];
  }
}

TEST_F(PerformanceTest, AccelerationIsOffOnlyForAStoredOne) {
  const std::string drivers = "Software\\Microsoft\\Direct3D\\Drivers";
  struct Case {
    const char* name;
    bool nt;
    std::vector<unsigned char> bytes;  // empty: missing
    os::ValueType type;
    bool checked;
  };
  const Case cases[] = {
      {"95: dword 1", false, {1, 0, 0, 0}, os::ValueType::Dword, false},
      {"95: dword 2", false, {2, 0, 0, 0}, os::ValueType::Dword, true},
      {"95: missing", false, {}, os::ValueType::Dword, true},
      {"NT: one byte 1", true, {1}, os::ValueType::Binary, false},
      {"NT: four bytes 1", true, {1, 0, 0, 0}, os::ValueType::Dword, true},
      {"NT: missing", true, {}, os::ValueType::Binary, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Fresh();
    if (c.nt)
      CardNT();
    else
      Cards95();
    if (!c.bytes.empty())
      registry.Put(kMachine, drivers, "SoftwareOnly", c.type, c.bytes);
    Show();
    EXPECT_EQ(c.checked, controls.IsChecked(IDC_D3D_HW_ACCEL));
    EXPECT_TRUE(controls.IsChecked(IDC_DDRAW_HW_ACCEL));
  }
}

// A family that is not Windows takes the Windows NT path too.
TEST_F(PerformanceTest, WindowsNTReadsTheDeviceKey) {
  for (bool windows : {true, false}) {
    SCOPED_TRACE(windows ? "WindowsNT" : "NonWindows");
    CardNT();
    system.versionAvailable = windows;
    UseClock(kDeviceCards + "Video1");
    registry.PutDword(kMachine, kDevice, "graphicsclocking", 100);
    registry.PutText(kMachine, kDevice + "\\Glide", "FX_GLIDE_EMUL_RUSH", "1");
    Show();
    EXPECT_EQ("100MHz", controls.Text(IDC_CORE_CLOCK));
    EXPECT_EQ("Default", controls.Text(IDC_MEMORY_CLOCK));
    EXPECT_TRUE(controls.IsChecked(IDC_GLIDE_RUSH_EMULATION));
  }
}

// A card whose "DevicePath" is empty has no keys of its own: nothing is
// read, and no "\D3D" or "\Glide" appears at the root of the machine.
TEST_F(PerformanceTest, WindowsNTWithoutADevicePathReadsNothing) {
  CardNT("");
  UseClock(kDeviceCards + "Video1");
  Show();
  EXPECT_TRUE(controls.IsChecked(IDC_USE_DEFAULT_CLOCKS));
  EXPECT_EQ("1.3", controls.Text(IDC_GLIDE_GAMMA_RED));
  EXPECT_FALSE(registry.KeyExists(kMachine, "D3D"));
  EXPECT_FALSE(registry.KeyExists(kMachine, "Glide"));
}

TEST_F(PerformanceTest, ClockSteppersStayWithinDefaultAnd166) {
  struct Case {
    const char* stored;
    int delta;
    const char* shown;
  };
  const Case cases[] = {
      {"84", -1, "85MHz"},   {"85", 1, "Default"},  {"166", -1, "166MHz"},
      {"100", -5, "105MHz"}, {"90", 100, "Default"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.stored);
    Cards95();
    UseClock(kDisplayCards + "0000");
    registry.PutText(kMachine, kDriver + "0000\\DEFAULT",
                     "memClock", c.stored);
    Show();
    Step(IDC_MEMORY_CLOCK_SPIN, c.delta);
    EXPECT_EQ(c.shown, controls.Text(IDC_MEMORY_CLOCK));
    EXPECT_TRUE(ApplyEnabled());
  }
}

TEST_F(PerformanceTest, ALinkedGammaStepMovesItsOwnGroupOnly) {
  Cards95();
  PutCommon("linkrgb2", "0");
  Show();
  EXPECT_TRUE(controls.IsChecked(IDC_D3D_LINK_RGB));
  EXPECT_FALSE(controls.IsChecked(IDC_GLIDE_LINK_RGB));
  Step(IDC_D3D_GAMMA_GREEN_SPIN, -1);
  Step(IDC_GLIDE_GAMMA_BLUE_SPIN, 1);
  for (int id : {IDC_D3D_GAMMA_RED, IDC_D3D_GAMMA_GREEN, IDC_D3D_GAMMA_BLUE})
    EXPECT_EQ("1.31", controls.Text(id));
  EXPECT_EQ("1.3", controls.Text(IDC_GLIDE_GAMMA_RED));
  EXPECT_EQ("1.29", controls.Text(IDC_GLIDE_GAMMA_BLUE));
  EXPECT_TRUE(ApplyEnabled());
}

TEST_F(PerformanceTest, DefaultFillsTheDriverDefaultsAndStoresNothing) {
  Cards95();
  UseClock(kDisplayCards + "0000");
  registry.PutText(kMachine, kDriver + "0000\\DEFAULT", "grxClock",
                   "100");
  registry.PutText(kMachine, kD3D, "SSTH3_RGAMMA", "2.000000");
  PutCommon("linkrgb1", "0");
  registry.PutDword(kMachine, "Software\\Microsoft\\DirectDraw",
                    "EmulationOnly", 1);
  Show();
  const std::string before = registry.Dump();
  Click(IDC_PERF_DEFAULT);
  EXPECT_EQ(before, registry.Dump());
  EXPECT_TRUE(log.writes.empty());
  EXPECT_TRUE(ApplyEnabled());
  EXPECT_EQ("Default", controls.Text(IDC_CORE_CLOCK));
  EXPECT_FALSE(controls.IsChecked(IDC_USE_CLOCK_SETTINGS));
  EXPECT_FALSE(controls.IsEnabled(IDC_USE_DEFAULT_CLOCKS));
  EXPECT_FALSE(controls.IsEnabled(IDC_CORE_CLOCK_SPIN));
  EXPECT_TRUE(controls.IsChecked(IDC_DDRAW_HW_ACCEL));
  EXPECT_TRUE(controls.IsChecked(IDC_D3D_ANTIALIAS));
  EXPECT_TRUE(controls.IsChecked(IDC_GLIDE_NO_SHAMELESS_PLUG));
  EXPECT_FALSE(controls.IsChecked(IDC_D3D_AUTO_MIPMAP));
  EXPECT_TRUE(controls.IsChecked(IDC_D3D_LINK_RGB));
  EXPECT_EQ("1.3", controls.Text(IDC_D3D_GAMMA_RED));
  // The stored clock is untouched, so an Apply now needs a restart.
  EXPECT_EQ("REBOOT", page->Apply95());
}

// With no card selected there is no card to read: no driver key is made up
// from an empty card name.
TEST_F(PerformanceTest, NoSelectedCardReadsNoCardKeys) {
  Cards95("");
  Show();
  EXPECT_EQ("Default", controls.Text(IDC_CORE_CLOCK));
  EXPECT_FALSE(controls.IsChecked(IDC_USE_CLOCK_SETTINGS));
  EXPECT_FALSE(registry.KeyExists(
      kMachine, "System\\CurrentControlSet\\Services\\Class\\Display"));
}

}  // namespace
