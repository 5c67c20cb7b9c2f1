#include <gtest/gtest.h>

#include "page_test.h"
#include "pages/option/memory_size.h"
#include "pages/option/my_page2.h"
#include "res/controls.h"
#include "ui/restart_prompt.h"

namespace {

const std::string kDevice = "System\\CurrentControlSet\\Services\\banshee\\";

class OptionPageTest : public PageTest<CMyPage2> {
 protected:
  OptionPageTest() : PageTest(1001, IDC_OPTION_APPLY, IDC_OPTION_RESET) {}

  // Windows 95/98 cards 0000 and 0001, the second one selected.
  void TwoCards95() {
    for (const char* card : {"0000", "0001"})
      registry.PutKey(kMachine, kDisplayCards + card);
    PutCommon("selecteddisplay", "0001");
  }
  // Windows NT cards Video0 and Video1, with their device keys, the second
  // one selected.
  void TwoCardsNT() {
    UseNT();
    for (const char* card : {"Video0", "Video1"}) {
      registry.PutText(kMachine, kDeviceCards + card, "DevicePath",
                       kDevice + card);
    }
    PutCommon("selecteddisplay", "Video1");
  }
  // Up-down steps, each as its notification's delta.
  void Step(std::initializer_list<int> deltas) {
    for (int delta : deltas)
      EXPECT_EQ(0, page->OnDeltaPos(IDC_MEMORY_SIZE_SPIN, delta));
  }
  std::string Size() { return controls.Text(IDC_MEMORY_SIZE); }
  // The 25 check boxes that nothing ever enables, checks or stores.
  void ExpectInertBoxesUntouched() {
    for (const expected::Control& box : expected::Controls()) {
      if (box.dialog != 1001 || box.kind != expected::Kind::CheckBox ||
          box.enabled)
        continue;
      EXPECT_FALSE(controls.IsEnabled(box.id)) << box.id;
      EXPECT_FALSE(controls.IsChecked(box.id)) << box.id;
    }
  }
};

// One card per case, selected in turn as the Configuration page would, and
// the page activated again: a load keeps nothing of the card before.
TEST_F(OptionPageTest, Load95ShowsTheSelectedCardsSizeAndSwitch) {
  struct Case {
    const char* card;
    std::optional<std::uint32_t> memSize;
    const char* lDelay;  // nullptr: missing
    const char* shown;
    bool checked;
  };
  const Case cases[] = {
      {"0000", std::nullopt, "1", "Default", true},
      {"0001", 0, "10", "Default", false},
      {"0002", 3, nullptr, "3MB", false},
      {"0003", 8, "0", "8MB", false},
      {"0004", 32, "1", "32MB", true},
      {"0005", 2, "", "2MB", false},
  };
  for (const Case& c : cases) {
    const std::string driver = kDriver + c.card;
    registry.PutKey(kMachine, kDisplayCards + c.card);
    registry.PutKey(kMachine, driver + "\\DEFAULT");
    if (c.memSize)
      registry.PutDword(kMachine, driver + "\\DEFAULT", "memSize", *c.memSize);
    if (c.lDelay) registry.PutText(kMachine, driver, "SSTH3_LDELAY", c.lDelay);
  }
  Show();
  // No card selected yet: no driver key with an empty card part is made.
  EXPECT_EQ("Default", Size());
  EXPECT_FALSE(registry.KeyExists(kMachine, kDriver + "DEFAULT"));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.card);
    PutCommon("selecteddisplay", c.card);
    Toggle(IDC_LDELAY);
    page->OnSetActive();
    EXPECT_EQ(c.shown, Size());
    EXPECT_EQ(c.checked, controls.IsChecked(IDC_LDELAY));
    EXPECT_TRUE(controls.IsEnabled(IDC_MEMORY_SIZE_SPIN));
    EXPECT_FALSE(ApplyEnabled());
    ExpectInertBoxesUntouched();
  }
}

// Two cards whose switches a Windows 95/98 Apply turns on: 0000 at 12 MB
// with the switch "10", and the selected 0001 with the size of the case.
// Every Apply that asks is answered Yes.
TEST_F(OptionPageTest, Apply95StoresTheSizeOnANarrowDesktopOnly) {
  // The end-to-end scenarios read both texts from the screen.
  const std::string kQuestion = ui::kRestartQuestion;
  const std::string kWarning = memory_size::kWideDesktopMessage;
  struct Case {
    const char* name;
    int width;
    std::optional<std::string> applyAll;
    std::uint32_t stored;
    std::initializer_list<int> deltas;
    bool pressDefault;
    std::optional<std::uint32_t> memSize0, memSize1;  // after Apply
    const std::string* message;                       // nullptr: none
    const char* shown;
  };
  const Case cases[] = {
      {"new size", 1024, std::nullopt, 8, {-2}, false, 10, 10, &kQuestion,
       "10MB"},
      {"Default", 1024, "1", 8, {}, true, std::nullopt, std::nullopt,
       &kQuestion, "Default"},
      {"same size", 1024, std::nullopt, 8, {}, false, 8, 8, nullptr, "8MB"},
      {"stored 3", 1024, "0", 3, {}, false, 12, std::nullopt, nullptr, "3MB"},
      {"selected alone", 1024, "0", 8, {1}, false, 12, 7, &kQuestion, "7MB"},
      {"wide", 1152, std::nullopt, 8, {-1}, false, 12, 8, &kWarning, "8MB"},
      {"wide, stored 32", 1152, "0", 32, {}, false, 12, 32, nullptr, "32MB"},
  };
  const auto dword = [](std::optional<std::uint32_t> size) {
    return size ? std::optional<fakes::RegValue>(
                      {os::ValueType::Dword,
                       {static_cast<unsigned char>(*size), 0, 0, 0}})
                : std::nullopt;
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Fresh();
    shell.answers = {os::Answer::Yes};
    display.screen.width = c.width;
    TwoCards95();
    if (c.applyAll)
      PutCommon("applyall", *c.applyAll);
    registry.PutDword(kMachine, kDriver + "0000\\DEFAULT", "memSize", 12);
    registry.PutText(kMachine, kDriver + "0000", "SSTH3_LDELAY", "10");
    registry.PutDword(kMachine, kDriver + "0001\\DEFAULT", "memSize", c.stored);
    Show();
    Step(c.deltas);
    if (c.pressDefault) Click(IDC_OPTION_DEFAULT);
    Toggle(IDC_LDELAY);
    Click(IDC_OPTION_APPLY);

    EXPECT_EQ(dword(c.memSize0),
              registry.Get(kMachine, kDriver + "0000\\DEFAULT", "memSize"));
    EXPECT_EQ(dword(c.memSize1),
              registry.Get(kMachine, kDriver + "0001\\DEFAULT", "memSize"));
    EXPECT_EQ(c.applyAll == "0" ? "10" : "1",
              registry.Text(kMachine, kDriver + "0000", "SSTH3_LDELAY"));
    EXPECT_EQ("1", registry.Text(kMachine, kDriver + "0001", "SSTH3_LDELAY"));
    ASSERT_EQ(c.message ? 1u : 0u, shell.messages.size());
    if (c.message) {
      EXPECT_EQ(*c.message, shell.messages[0].text);
      EXPECT_EQ(c.message == &kQuestion ? os::Buttons::YesNo : os::Buttons::Ok,
                shell.messages[0].buttons);
    }
    EXPECT_EQ(c.message == &kQuestion
                  ? std::vector<std::string>{"Restart plain"}
                  : std::vector<std::string>{},
              power.requests);
    EXPECT_EQ(c.shown, Size());
    EXPECT_FALSE(ApplyEnabled());
    ExpectInertBoxesUntouched();
  }
}

// Each row starts from a load of the stored size and steps the up-down.
TEST_F(OptionPageTest, StepsBetweenDefaultAndSixteen) {
  struct Case {
    std::optional<std::uint32_t> memSize;
    std::initializer_list<int> deltas;
    const char* shown;
  };
  const Case cases[] = {
      {std::nullopt, {-1}, "4MB"},
      {std::nullopt, {-1, 1}, "Default"},
      {std::nullopt, {1}, "Default"},
      {std::nullopt, {-5, -20}, "16MB"},
      {16, {-1}, "16MB"},
      {32, {-1}, "16MB"},
      {32, {1}, "16MB"},
      {4, {5}, "Default"},
      {3, {-1}, "4MB"},
      {2, {-1}, "Default"},
  };
  TwoCards95();
  Show();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.shown);
    if (c.memSize)
      registry.PutDword(kMachine, kDriver + "0001\\DEFAULT", "memSize",
                        *c.memSize);
    else
      registry.Put(kMachine, kDriver + "0001\\DEFAULT", "memSize",
                   os::ValueType::Dword, {0, 0, 0, 0});
    page->OnSetActive();
    Step(c.deltas);
    EXPECT_EQ(c.shown, Size());
    EXPECT_TRUE(ApplyEnabled());
  }
}

TEST_F(OptionPageTest, SwitchAndDefaultEnableApplyAndStoreNothing) {
  TwoCards95();
  registry.PutDword(kMachine, kDriver + "0001\\DEFAULT", "memSize", 8);
  registry.PutText(kMachine, kDriver + "0001", "SSTH3_LDELAY", "1");
  Show();
  const std::string before = registry.Dump();
  Toggle(IDC_LDELAY);
  EXPECT_TRUE(ApplyEnabled());
  page->OnSetActive();
  Click(IDC_OPTION_DEFAULT);
  EXPECT_EQ("Default", Size());
  EXPECT_FALSE(controls.IsChecked(IDC_LDELAY));
  EXPECT_TRUE(ApplyEnabled());
  ExpectInertBoxesUntouched();
  EXPECT_EQ(before, registry.Dump());
  Click(IDC_OPTION_RESET);
  EXPECT_EQ("8MB", Size());
  EXPECT_TRUE(controls.IsChecked(IDC_LDELAY));
  EXPECT_FALSE(ApplyEnabled());
}

// The size comes from the fourth byte of the device's memory size; a value
// that cannot be read as four bytes, or a card without a device path, shows
// Default. The spin is off and Default leaves the size alone. A family
// that is not Windows takes the Windows NT path.
TEST_F(OptionPageTest, LoadNTShowsTheDevicesSizeWithTheSpinOff) {
  struct Case {
    std::optional<std::vector<unsigned char>> memorySize;
    const char* shown;
  };
  const Case cases[] = {
      {std::vector<unsigned char>{0, 0, 0, 1}, "16MB"},
      {std::vector<unsigned char>{0, 0, 0x80, 0}, "8MB"},
      {std::vector<unsigned char>{0, 0, 0, 2}, "8MB"},
      {std::vector<unsigned char>{0, 1}, "Default"},
      {std::vector<unsigned char>{0, 0, 0, 1, 0}, "Default"},
      {std::nullopt, "Default"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.shown);
    Fresh();
    TwoCardsNT();
    system.version.platformId = 3;
    registry.PutText(kMachine, kDevice + "Video1", "SSTH3_LDELAY", "1");
    if (c.memorySize)
      registry.Put(kMachine, kDevice + "Video1",
                   "HardwareInformation.MemorySize", os::ValueType::Binary,
                   *c.memorySize);
    Show();
    EXPECT_EQ(c.shown, Size());
    EXPECT_TRUE(controls.IsChecked(IDC_LDELAY));
    EXPECT_FALSE(controls.IsEnabled(IDC_MEMORY_SIZE_SPIN));
    Click(IDC_OPTION_DEFAULT);
    EXPECT_EQ(c.shown, Size());
    EXPECT_FALSE(controls.IsChecked(IDC_LDELAY));
    ExpectInertBoxesUntouched();
  }
  // The selected card's size, not another's.
  registry.Put(kMachine, kDevice + "Video1", "HardwareInformation.MemorySize",
               os::ValueType::Binary, {0, 0, 0, 1});
  PutCommon("selecteddisplay", "Video2");
  page->OnSetActive();
  EXPECT_EQ("Default", Size());
  EXPECT_FALSE(controls.IsChecked(IDC_LDELAY));
}

// The switch goes to each target card's device key; a card without a device
// path is skipped, and nothing about the size is written or asked.
TEST_F(OptionPageTest, ApplyNTWritesTheSwitchOnTheTargetDevices) {
  struct Case {
    std::optional<std::string> applyAll;
    bool on;
    std::optional<std::string> video0, video1;  // SSTH3_LDELAY after Apply
  };
  const Case cases[] = {
      {std::nullopt, true, "1", "1"},
      {"1", false, std::nullopt, std::nullopt},
      {"0", true, "10", "1"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.applyAll.value_or("missing"));
    Fresh();
    TwoCardsNT();
    registry.PutKey(kMachine, kDeviceCards + "Video2");  // no device path
    for (const char* card : {"Video0", "Video1"})
      registry.PutText(kMachine, kDevice + card, "SSTH3_LDELAY", "10");
    if (c.applyAll)
      PutCommon("applyall", *c.applyAll);
    Show();
    if (controls.IsChecked(IDC_LDELAY) != c.on) Toggle(IDC_LDELAY);
    Click(IDC_OPTION_APPLY);
    EXPECT_EQ(c.video0,
              registry.Text(kMachine, kDevice + "Video0", "SSTH3_LDELAY"));
    EXPECT_EQ(c.video1,
              registry.Text(kMachine, kDevice + "Video1", "SSTH3_LDELAY"));
    EXPECT_FALSE(registry.Get(kMachine, "", "SSTH3_LDELAY"));
    EXPECT_FALSE(registry.Get(kMachine, kDevice + "Video1",
                              "HardwareInformation.MemorySize"));
    EXPECT_TRUE(shell.messages.empty());
    EXPECT_FALSE(ApplyEnabled());
  }
}

}  // namespace
