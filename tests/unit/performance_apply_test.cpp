#include "performance_fixture.h"

namespace {

using Writes = std::vector<std::string>;

const std::string kStartup = "c:\\autoexec.bat";
const std::string kCopy = "c:\\autoexec.kvt";
const std::string kBatch = "c:\\kvartune.bat";
const std::string kBlock =
    "\r\n@if exist c:\\kvartune.bat call c:\\kvartune.bat\r\n";

// The log with the driver keys as "DRV", the device key as "DEV" and the
// program's tree as "KVT".
Writes Shortened(const Writes& writes) {
  Writes shortened;
  for (std::string write : writes) {
    for (const auto& [from, to] :
         {std::pair{kDriver, "DRV"}, std::pair{kDevice, "DEV"},
          std::pair{std::string("Software\\Quillfeld\\Kvartune\\"), "KVT"}}) {
      const std::size_t at = write.find(from);
      if (at != std::string::npos) write.replace(at, from.size(), to);
    }
    shortened.push_back(write);
  }
  return shortened;
}

class PerformanceApplyTest : public PerformanceTest {
 protected:
  // Clock mode "1" with a core clock of 100 MHz; the user raises it by one,
  // turns Direct3D acceleration, both VSync boxes, the splash screen, the
  // shameless plug and triple buffering over, lowers the linked Glide gammas
  // to 0.95 and unlinks the Direct3D ones.
  void ChangeEverything() {
    Step(IDC_CORE_CLOCK_SPIN, -1);
    for (int box : {IDC_D3D_HW_ACCEL, IDC_D3D_DISABLE_VSYNC,
                    IDC_D3D_ANTIALIAS, IDC_GLIDE_NO_SPLASH,
                    IDC_GLIDE_NO_SHAMELESS_PLUG, IDC_GLIDE_TRIPLE_BUFFER})
      Toggle(box);
    Step(IDC_GLIDE_GAMMA_RED_SPIN, 35);
    Toggle(IDC_D3D_LINK_RGB);
  }
  void ApplyAnsweringNo() {
    shell.answers = {os::Answer::No};
    Click(IDC_PERF_APPLY);
    EXPECT_FALSE(ApplyEnabled());
  }
};

const Writes kD3DWrites = {
    "set {KEY}\\SSTH3_SWAPINTERVAL sz:\"0\"",
    "set {KEY}\\SSTH3_ANTIALIAS sz:\"1\"",
    "set {KEY}\\SSTH3_OVERLAYMODE sz:\"0\"",
    "set {KEY}\\SSTH3_AUTOMIPMAP sz:\"0\"",
};
const Writes kGlideWrites = {
    "set {KEY}\\FX_GLIDE_SHAMELESS_PLUG sz:\"1\"",
    "set {KEY}\\FX_GLIDE_ALLOC_COLOR sz:\"3\"",
};
const std::vector<std::string> kD3DSwitches = {
    "SSTH3_SWAPINTERVAL", "SSTH3_ANTIALIAS", "SSTH3_OVERLAYMODE",
    "SSTH3_AUTOMIPMAP"};
const std::vector<std::string> kGlideSwitches = {
    "FX_GLIDE_SHAMELESS_PLUG", "FX_GLIDE_SWAPINTERVAL", "FX_GLIDE_TMU_MEMSIZE",
    "FX_GLIDE_ALLOC_COLOR",    "FX_GLIDE_LOD_DITHER",   "FX_GLIDE_EMUL_RUSH"};

// Appends every line of `lines` with "{KEY}" as `key`.
void With(Writes& to, const Writes& lines, const std::string& key) {
  for (std::string line : lines) to.push_back(line.replace(4, 5, key));
}
// Appends the deletion of each name below `key`.
void Deleted(Writes& to, const std::string& key,
             const std::vector<std::string>& names) {
  for (const std::string& name : names)
    to.push_back("del " + key + "\\" + name);
}
// Appends the three gammas of `key`, each as `text`.
void Gammas(Writes& to, const std::string& key, const std::string& text) {
  for (const char* name : {"SSTH3_RGAMMA", "SSTH3_GGAMMA", "SSTH3_BGAMMA"})
    to.push_back("set " + key + "\\" + name + " sz:\"" + text + "\"");
}

// Appends the Direct3D and then the Glide group of a card's key as
// ChangeEverything leaves them, with the Glide switches and writes given.
void Groups(Writes& to, const std::string& key,
            const std::vector<std::string>& glide, const Writes& glideWrites) {
  Deleted(to, key + "\\D3D", kD3DSwitches);
  With(to, kD3DWrites, key + "\\D3D");
  Gammas(to, key + "\\D3D", "1.300000");
  Deleted(to, key + "\\Glide", glide);
  With(to, glideWrites, key + "\\Glide");
  Gammas(to, key + "\\Glide", "0.950000");
}

TEST_F(PerformanceApplyTest, Apply95WritesEachGroupInItsOrder) {
  Cards95("0000");
  PutCommon("applyall", "0");
  UseClock(kDisplayCards + "0000");
  registry.PutText(kMachine, kDriver + "0000\\DEFAULT", "grxClock", "100");
  Show();
  ChangeEverything();
  ApplyAnsweringNo();

  Writes expected = {
      "set Software\\Microsoft\\Direct3D\\Drivers\\SoftwareOnly dword:1",
      "set Software\\Microsoft\\DirectDraw\\EmulationOnly dword:0",
      "set KVTcommon\\linkrgb1 sz:\"0\"",
      "set KVTcommon\\linkrgb2 sz:\"1\"",
      // The splash switch on every card, the unselected one too, each
      // deleted once its key is open for writing (card 0002's Glide key is
      // made for it).
      "del DRV0000\\Glide\\FX_GLIDE_NO_SPLASH",
      "set DRV0000\\Glide\\FX_GLIDE_NO_SPLASH sz:\"1\"",
      "del DRV0002\\Glide\\FX_GLIDE_NO_SPLASH",
      "set DRV0002\\Glide\\FX_GLIDE_NO_SPLASH sz:\"1\"",
      "del DRV0000\\DEFAULT\\grxClock",
      "del DRV0000\\DEFAULT\\memClock",
      "del DRV0000\\DEFAULT\\memLatency",
      "set DRV0000\\DEFAULT\\grxClock sz:\"101\"",
      "set KVTDisplay\\0000\\kvartune_useclock sz:\"1\"",
      "del DRV0000\\Glide\\SSTH3_GRXCLOCK",
      "del DRV0000\\Glide\\SSTH3_MEMCLOCK",
      "set DRV0000\\Glide\\SSTH3_GRXCLOCK sz:\"101\"",
  };
  Groups(expected, "DRV0000", kGlideSwitches, kGlideWrites);
  EXPECT_EQ(expected, Shortened(log.writes));

  // No start-up file yet: it is created with the block alone, and so is its
  // copy's absence (there was nothing to copy).
  EXPECT_EQ(kBlock, files.contents[kStartup]);
  EXPECT_EQ(0u, files.contents.count(kCopy));
  EXPECT_EQ("set FX_GLIDE_NO_SPLASH=1", files.contents[kBatch]);
  ASSERT_EQ(1u, shell.messages.size());
  EXPECT_TRUE(power.requests.empty());
}

TEST_F(PerformanceApplyTest, ApplyNTWritesTheDeviceKeyAndTheEnvironment) {
  CardNT();
  UseClock(kDeviceCards + "Video1");
  registry.PutDword(kMachine, kDevice, "graphicsclocking", 100);
  registry.PutText(os::Root::CurrentUser, "Environment", "TEMP", "c:\\temp");
  Show();
  ChangeEverything();
  ApplyAnsweringNo();

  Writes expected = {
      "set Software\\Microsoft\\Direct3D\\Drivers\\SoftwareOnly type3:01",
      "set Software\\Microsoft\\DirectDraw\\EmulationOnly type3:00",
      "set KVTcommon\\linkrgb1 sz:\"0\"",
      "set KVTcommon\\linkrgb2 sz:\"1\"",
      "del DEV\\graphicsclocking",
      "del DEV\\memclocking",
      "del DEV\\memLatency",
      "set DEV\\graphicsclocking dword:101",
      "set KVTDevice\\Video1\\kvartune_useclock sz:\"1\"",
      "del DEV\\Glide\\SSTH3_GRXCLOCK",
      "del DEV\\Glide\\SSTH3_MEMCLOCK",
      "set DEV\\Glide\\SSTH3_GRXCLOCK sz:\"101\"",
  };
  // On Windows NT the splash switch is one of the Glide group's.
  std::vector<std::string> glide = kGlideSwitches;
  glide.push_back("FX_GLIDE_NO_SPLASH");
  Writes glideWrites = kGlideWrites;
  glideWrites.push_back("set {KEY}\\FX_GLIDE_NO_SPLASH sz:\"1\"");
  Groups(expected, "DEV", glide, glideWrites);
  // "kvartune_override" is missing, which counts as on: the switches go to
  // the user environment too, but no gamma and no clock.
  Deleted(expected, "HKCU:Environment", kD3DSwitches);
  Deleted(expected, "HKCU:Environment", glide);
  With(expected, kD3DWrites, "HKCU:Environment");
  With(expected, glideWrites, "HKCU:Environment");
  EXPECT_EQ(expected, Shortened(log.writes));
  EXPECT_EQ(Writes{"Environment 5000"}, shell.broadcasts);
  EXPECT_TRUE(files.contents.empty());
}

// With "kvartune_override" "0" the environment values are only deleted; the
// broadcast goes out all the same.
TEST_F(PerformanceApplyTest, OverrideOffOnlyClearsTheEnvironment) {
  CardNT();
  registry.PutText(kMachine, kDeviceCards + "Video1", "kvartune_override", "0");
  registry.PutText(os::Root::CurrentUser, "Environment", "FX_GLIDE_LOD_DITHER",
                   "1");
  Show();
  EXPECT_EQ("NO_REBOOT", page->ApplyNT());
  EXPECT_TRUE(registry.ValueNames(os::Root::CurrentUser, "Environment").empty());
  EXPECT_EQ(Writes{"Environment 5000"}, shell.broadcasts);
}

// A card without a device key is skipped: nothing is written at the root of
// HKEY_LOCAL_MACHINE.
TEST_F(PerformanceApplyTest, ApplyNTSkipsACardWithoutDevicePath) {
  CardNT("");
  Show();
  Toggle(IDC_USE_CLOCK_SETTINGS);
  page->ApplyNT();
  for (const std::string& write : log.writes)
    EXPECT_TRUE(write.find("set Software\\") == 0 ||
                write.find("HKCU:Environment") != std::string::npos)
        << write;
  EXPECT_FALSE(registry.KeyExists(kMachine, "D3D"));
  EXPECT_FALSE(registry.KeyExists(kMachine, "Glide"));
}

TEST_F(PerformanceApplyTest, ClockModeOffDeletesTheClocksOnlyOnce) {
  Cards95();
  UseClock(kDisplayCards + "0000");
  registry.PutText(kMachine, kDriver + "0000\\DEFAULT", "grxClock", "100");
  registry.PutText(kMachine, kDriver + "0000\\Glide", "SSTH3_GRXCLOCK", "100");
  Show();
  Toggle(IDC_USE_CLOCK_SETTINGS);
  EXPECT_EQ("REBOOT", page->Apply95());
  EXPECT_EQ(std::nullopt,
            registry.Text(kMachine, kDriver + "0000\\DEFAULT", "grxClock"));
  EXPECT_EQ(std::nullopt,
            registry.Text(kMachine, kDriver + "0000\\Glide", "SSTH3_GRXCLOCK"));
  EXPECT_EQ("0", registry.Text(kMachine, kDisplayCards + "0000",
                               "kvartune_useclock"));
  EXPECT_EQ("0", registry.Text(kMachine, kDisplayCards + "0002",
                               "kvartune_useclock"));

  // With clock mode "0" already, no clock value is touched.
  registry.PutText(kMachine, kDriver + "0000\\DEFAULT", "grxClock", "90");
  Show();
  page->Apply95();
  EXPECT_EQ("90", registry.Text(kMachine, kDriver + "0000\\DEFAULT", "grxClock"));
}

// The start-up file keeps every byte; only a missing call line brings the
// block, and the first copy of the file is never overwritten.
TEST_F(PerformanceApplyTest, TheStartupFileGetsTheCallBlockOnce) {
  const std::string longLine = std::string(200, 'x') + "\r\n";
  struct Case {
    const char* name;
    std::optional<std::string> bytes;  // nullopt: no file
    bool readOnly;
    bool appended;
  };
  const Case cases[] = {
      {"no line end at its end", std::string("path c:\\windows"), false, true},
      {"LF line ends", std::string("rem a\nrem b\n"), false, true},
      {"a line of 200", longLine + "rem end\r\n", false, true},
      {"call line in capitals",
       std::string("rem\r\nCALL C:\\KVARTUNE.BAT\r\n"), false, false},
      {"the call line without a line end",
       std::string("@if exist c:\\kvartune.bat call c:\\kvartune.bat"), false,
       false},
      {"call line with a trailing blank",
       std::string("call c:\\kvartune.bat \r\n"), false, true},
      {"read-only", std::string("rem locked\r\n"), true, false},
      {"missing", std::nullopt, false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    files.contents.clear();
    files.readOnly.clear();
    if (c.bytes) files.contents[kStartup] = *c.bytes;
    if (c.readOnly) files.readOnly.insert(kStartup);
    Cards95();
    Show();
    page->Apply95();
    const std::string before = c.bytes.value_or("");
    EXPECT_EQ(before + (c.appended ? kBlock : ""), files.contents[kStartup]);
    if (c.bytes)
      EXPECT_EQ(*c.bytes, files.contents[kCopy]);
    else
      EXPECT_EQ(0u, files.contents.count(kCopy));
    EXPECT_EQ("", files.contents[kBatch]);

    // A second Apply neither copies again nor adds a second block.
    const std::string startup = files.contents[kStartup];
    page->Apply95();
    EXPECT_EQ(startup, files.contents[kStartup]);
    if (c.bytes) {
      EXPECT_EQ(*c.bytes, files.contents[kCopy]);
    }
  }
}

TEST_F(PerformanceApplyTest, RestartIsAskedForClockAndSplashChangesOnly) {
  const Writes plain = {"Restart plain"};
  const Writes forced = {"OpenProcessToken",
                         "LookupPrivilege SeShutdownPrivilege",
                         "EnablePrivilege", "CloseToken", "Restart forced"};
  enum Change { kNothing, kSwitch, kSplash, kClock };
  struct Case {
    const char* name;
    bool nt;
    bool splashStored;
    // The start-up file calls the batch file already; it is read-only,
    // which reading it for the call line does not mind.
    bool callLine;
    Change change;
    Writes requests;  // on Yes; empty: no question
    // The start-up file lacks the call and is read-only: the append fails,
    // which Apply reports instead of asking for a restart.
    bool appendRefused = false;
  };
  const Case cases[] = {
      {"95 unchanged", false, false, true, kNothing, {}},
      {"95 switch", false, false, true, kSwitch, {}},
      {"95 splash", false, false, true, kSplash, plain},
      {"95 clock", false, false, true, kClock, plain},
      {"95 first block", false, false, false, kNothing, {}},
      {"95 first block, splash kept", false, true, false, kNothing, plain},
      {"95 splash kept", false, true, true, kNothing, {}},
      {"95 first block refused", false, true, false, kNothing, {}, true},
      {"NT unchanged", true, false, false, kNothing, {}},
      {"NT splash", true, false, false, kSplash, {}},
      {"NT clock", true, false, false, kClock, forced},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    files.contents.clear();
    files.readOnly.clear();
    power.requests.clear();
    shell.messages.clear();
    if (c.nt) {
      CardNT();
      UseClock(kDeviceCards + "Video1");
    } else {
      Cards95();
      UseClock(kDisplayCards + "0000");
    }
    registry.PutText(kMachine,
                     (c.nt ? kDevice + "\\Glide" : kDriver + "0000\\Glide"),
                     "FX_GLIDE_NO_SPLASH", c.splashStored ? "1" : "0");
    if (c.callLine || c.appendRefused) {
      files.contents[kStartup] =
          c.callLine ? "call c:\\kvartune.bat\r\n" : "@echo off\r\n";
      files.readOnly = {kStartup};
    }
    Show();
    if (c.change == kSwitch) Toggle(IDC_GLIDE_MIPMAP_DITHER);
    if (c.change == kSplash) Toggle(IDC_GLIDE_NO_SPLASH);
    if (c.change == kClock) Step(IDC_CORE_CLOCK_SPIN, -1);
    shell.answers = {os::Answer::Yes};
    Click(IDC_PERF_APPLY);
    EXPECT_EQ((c.requests.empty() ? 0u : 1u) + (c.appendRefused ? 1u : 0u),
              shell.messages.size());
    EXPECT_EQ(c.requests, power.requests);
    if (c.appendRefused) {
      EXPECT_NE(std::string::npos,
                shell.messages.back().text.find(
                    "; c:\\autoexec.bat could not be written."));
    }
  }
}

}  // namespace
