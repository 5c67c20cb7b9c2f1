#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "page_test.h"
#include "pages/display/my_page3.h"
#include "pages/display/refresh_choices.h"
#include "pages/display/size_table.h"
#include "res/controls.h"

namespace {

using os::Answer;
using os::ChangeFlags;
using namespace os::display_change;
const std::string kDevicePath = "System\\CurrentControlSet\\Services\\banshee\\Device0";
constexpr int k1024List = IDC_REFRESH_1024X768;
// The keep questions as their boxes first show them.
const std::string kKeepRate = "Keep this Refreshrate?\n\nThe previous rate returns in 15 seconds.";
const std::string kKeepMode = "Keep this DisplayMode?\n\nThe previous mode returns in 15 seconds.";

class DisplayPageTest : public PageTest<CMyPage3> {
 protected:
  DisplayPageTest() : PageTest(1002, IDC_DISPLAY_APPLY, IDC_DISPLAY_RESET) {}

  // Windows 98 with the cards 0000 and 0001, the first one selected.
  void Cards95() {
    for (const char* card : {"0000", "0001"})
      registry.PutText(kMachine, kDisplayCards + card, "driverdesc", "Banshee");
    PutCommon("selecteddisplay", "0000");
  }
  // Windows NT with the cards Video0, Video1 and Video2, Video1 selected.
  void CardsNT() {
    UseNT();
    for (const char* card : {"Video0", "Video1", "Video2"})
      registry.PutText(kMachine, kDeviceCards + card, "DevicePath", kDevicePath);
    PutCommon("selecteddisplay", "Video1");
  }
  std::string ModeRate(const std::string& card, const char* depth,
                       const std::string& size) {
    return registry.Text(kMachine, kDriver + card + "\\MODES\\" + depth + "\\" + size,
                         "RefreshRate").value_or("<none>");
  }
  std::optional<std::uint32_t> Rate(const std::string& card, const std::string& name) {
    const auto value = registry.Get(kMachine, kDeviceCards + card, name);
    if (!value || value->type != os::ValueType::Dword) return std::nullopt;
    std::uint32_t rate;
    std::memcpy(&rate, value->bytes.data(), 4);
    return rate;
  }
  std::vector<std::string> Messages() {
    std::vector<std::string> texts;
    for (const auto& message : shell.messages) texts.push_back(message.text);
    return texts;
  }
  // Each change that was no test: a field of its mode, "now" or "stored".
  std::vector<std::string> Changes(std::uint32_t os::DisplayMode::*field) {
    std::vector<std::string> log;
    for (const auto& c : display.Changes())
      log.push_back(std::to_string(c.mode.*field) + (c.flags == ChangeFlags::Store ? " stored" : " now"));
    return log;
  }
  std::vector<std::string> Items(int id) {
    std::vector<std::string> items;
    for (int i = 0; i < controls.ItemCount(id); ++i)
      items.push_back(controls.ItemText(id, i));
    return items;
  }
};

TEST_F(DisplayPageTest, ChoiceTablesAndValueNames) {
  EXPECT_EQ("-1", display::ChoiceText(0));
  EXPECT_EQ("160", display::ChoiceText(9));
  for (int position : {-1, 10}) EXPECT_EQ("", display::ChoiceText(position));
  for (const char* text : {"", "65", "Optimal", "-1"})
    EXPECT_EQ(0, display::ChoiceOfText(text)) << text;
  EXPECT_EQ(6, display::ChoiceOfText("85"));
  EXPECT_EQ("REFRESHRATE 640 x  480", display::RateValueName(5));
  EXPECT_EQ("REFRESHRATE1024 x  768", display::RateValueName(7));
  EXPECT_EQ("1280,1024", display::KeyText(9));
  const std::pair<const char*, std::uint32_t> entries[] = {
      {"75 Hz", 75}, {"1 Hz", 1}, {"240 Hz", 240}, {"N/A", 0}, {"", 0},
      {"075 Hz", 0}, {"75", 0}, {"0 Hz", 0}};
  for (const auto& [entry, hertz] : entries)
    EXPECT_EQ(hertz, display::HzOfEntry(entry)) << entry;
}

// The choice found at the desktop's depth (16 bits) is written back at all
// four depths.
TEST_F(DisplayPageTest, Windows98LoadRewritesTheChoiceAtEveryDepth) {
  struct Case {
    const char* driverDefault;  // nullptr: none stored
    const char* stored;         // at \MODES\16\1024,768; nullptr: none
    int shown;
    const char* written;
  };
  const Case cases[] = {
      {nullptr, nullptr, 1, "0"}, {"-1", nullptr, 0, "-1"},
      {"75", nullptr, 0, ""},     {"0", "65", 0, "65"},
      {"0", "85", 6, "85"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.written);
    Fresh();
    Cards95();
    display.screen = {16, 1024, 768};
    if (c.driverDefault)
      registry.PutText(kMachine, kDriver + "0000\\DEFAULT", "RefreshRate", c.driverDefault);
    if (c.stored)
      registry.PutText(kMachine, kDriver + "0000\\MODES\\16\\1024,768", "RefreshRate", c.stored);
    registry.PutText(kMachine, kDriver + "0000\\MODES\\32\\1024,768", "RefreshRate", "120");
    Show();
    EXPECT_EQ(c.shown, controls.CurrentIndex(k1024List));
    for (const char* depth : {"8", "16", "24", "32"})
      EXPECT_EQ(c.written, ModeRate("0000", depth, "1024,768")) << depth;
    EXPECT_EQ("<none>", ModeRate("0001", "8", "1024,768"));
  }
}

// Safe Mode's 16 colours: one bit in four planes, a depth without mode keys.
// Its showing leaves them as they were; Apply writes the size the user
// changed only.
TEST_F(DisplayPageTest, Windows98OnASixteenColourDesktopKeepsTheModeKeys) {
  Cards95();
  display.screen = {1, 640, 480, 4};
  registry.PutText(kMachine, kDriver + "0000\\MODES\\16\\1024,768", "RefreshRate", "85");
  registry.PutText(kMachine, kDriver + "0000\\MODES\\32\\800,600", "RefreshRate", "120");
  Show();
  EXPECT_EQ(1, controls.CurrentIndex(k1024List));
  EXPECT_EQ("85", ModeRate("0000", "16", "1024,768"));
  EXPECT_EQ("<none>", ModeRate("0000", "8", "1024,768"));
  Choose(k1024List, 6);
  Click(IDC_DISPLAY_APPLY);
  for (const char* depth : {"8", "16", "24", "32"})
    EXPECT_EQ("85", ModeRate("0000", depth, "1024,768")) << depth;
  EXPECT_EQ("120", ModeRate("0000", "32", "800,600"));
  EXPECT_EQ("<none>", ModeRate("0000", "8", "800,600"));
}

TEST_F(DisplayPageTest, Windows98WithoutACardLeavesTheDisplayClassAlone) {
  Show();
  EXPECT_EQ(std::vector<std::string>{},
            registry.SubkeyNames(
                kMachine, "System\\CurrentControlSet\\Services\\Class\\Display"));
  EXPECT_EQ(1, controls.CurrentIndex(k1024List));
}

// Desktop 1024 x 768 at 16 bits, "Default" kept; the user picks "85 Hz".
TEST_F(DisplayPageTest, Windows98ApplyBouncesAndCancelPutsTheRateBack) {
  const std::pair<const char*, std::optional<Answer>> replies[] = {
      {"OK", Answer::Ok}, {"Cancel", Answer::Cancel}, {"no answer", fakes::kNoAnswer},
      {"the way back fails", Answer::Ok}};
  for (const auto& [name, reply] : replies) {
    SCOPED_TRACE(name);
    Fresh();
    Cards95();
    display.screen = {16, 1024, 768};
    const bool fails = std::strcmp(name, "the way back fails") == 0;
    if (fails) display.failing = {{{16, 1024, 768, 0}, ChangeFlags::Now, kFailed}};
    Show();
    Choose(k1024List, 6);
    EXPECT_TRUE(controls.IsEnabled(IDC_DISPLAY_APPLY));
    shell.answers = {Answer::Ok, reply};
    Click(IDC_DISPLAY_APPLY);
    EXPECT_EQ((std::vector<std::string>{kRefreshWillChangeMessage,
                                        fails ? kCannotChangeRefreshMessage : kKeepRate}),
              Messages());
    EXPECT_EQ(fails ? "" : "Keep this Refreshrate?\n\nThe previous rate returns in 1 second.",
              shell.messages[1].lastText);
    const bool kept = reply == Answer::Ok && !fails;
    for (const char* depth : {"8", "16", "24", "32"})
      for (const char* card : {"0000", "0001"})
        EXPECT_EQ(kept ? "85" : "0", ModeRate(card, depth, "1024,768"));
    EXPECT_EQ(kept ? 6 : 1, controls.CurrentIndex(k1024List));
    // Neighbour 21 (800 x 600) and back to 22, once more after Cancel; never
    // stored.
    const auto changes = display.Changes();
    ASSERT_EQ(kept ? 2u : 4u, changes.size());
    EXPECT_EQ(800u, changes[0].mode.width);
    EXPECT_EQ(1024u, changes[1].mode.width);
    for (const auto& change : changes) {
      EXPECT_EQ(ChangeFlags::Now, change.flags);
      EXPECT_EQ(os::ModeFields::DepthAndSize, change.fields);
    }
    EXPECT_FALSE(controls.IsEnabled(IDC_DISPLAY_APPLY));
  }
}

// The platform lists, at 8 bits, 60, 72 and 75 Hz for 800 x 600 and 60 and
// 75 Hz for 1024 x 768, and nothing for the other sizes.
void NTModes(fakes::FakeDisplay& display) {
  display.modes = {{8, 800, 600, 60},  {8, 800, 600, 72},  {8, 800, 600, 75},
                   {8, 1024, 768, 60}, {8, 1024, 768, 75}, {32, 1024, 768, 60},
                   {32, 1024, 768, 75}, {16, 800, 600, 60}, {8, 1024, 768, 0}};
}

TEST_F(DisplayPageTest, WindowsNTLoadListsThePlatformsRatesAndReplacesOthers) {
  CardsNT();
  NTModes(display);
  registry.PutDword(kMachine, kDeviceCards + "Video1", "REFRESHRATE 800 x  600", 75);
  registry.PutDword(kMachine, kDeviceCards + "Video1", "REFRESHRATE1024 x  768", 85);
  registry.PutDword(kMachine, kDeviceCards + "Video0", "REFRESHRATE 800 x  600", 72);
  registry.PutDword(kMachine, kDeviceCards + "Video2", "REFRESHRATE1920 x 1440", 60);
  Show();
  EXPECT_EQ((std::vector<std::string>{"60 Hz", "72 Hz", "75 Hz"}),
            Items(IDC_REFRESH_800X600));
  EXPECT_EQ(2, controls.CurrentIndex(IDC_REFRESH_800X600));
  EXPECT_EQ(0, controls.CurrentIndex(k1024List));
  EXPECT_EQ(std::vector<std::string>{"N/A"}, Items(IDC_REFRESH_1920X1440));
  EXPECT_FALSE(controls.IsEnabled(IDC_REFRESH_1920X1440));
  EXPECT_FALSE(controls.IsEnabled(IDC_LABEL_1920X1440));
  EXPECT_TRUE(controls.IsEnabled(IDC_LABEL_800X600));
  for (const char* card : {"Video0", "Video1", "Video2"}) {
    SCOPED_TRACE(card);
    EXPECT_EQ(60u, Rate(card, "REFRESHRATE1024 x  768"));
    EXPECT_EQ(std::nullopt, Rate(card, "REFRESHRATE1920 x 1440"));
  }
  EXPECT_EQ(72u, Rate("Video0", "REFRESHRATE 800 x  600"));
}

// Desktop 1024 x 768 at 32 bits at 60 Hz; the user picks 75 Hz.
TEST_F(DisplayPageTest, WindowsNTApplyChangesTheModeAndKeepsOrReverts) {
  struct Case {
    const char* name;
    std::optional<Answer> reply;
    bool refused;  // the platform's test rejects 75 Hz
    bool listed;   // the platform lists 75 Hz at 32 bits
    std::vector<std::string> messages;
    std::uint32_t stored;
    std::vector<std::string> changes;  // frequencies
    std::uint32_t fails = 0;  // Windows fails the change to this rate
  };
  const std::string will = kRefreshWillChangeMessage, keep = kKeepRate,
                    could = kCannotChangeRefreshMessage;
  const Case cases[] = {
      {"OK", Answer::Ok, false, true, {will, keep}, 75, {"75 now", "75 stored"}},
      {"Cancel", Answer::Cancel, false, true, {will, keep}, 60, {"75 now", "60 now"}},
      {"no answer", fakes::kNoAnswer, false, true, {will, keep}, 60, {"75 now", "60 now"}},
      {"rejected", Answer::Ok, true, true, {will, could}, 60, {}},
      {"not listed", Answer::Ok, false, false, {could}, 60, {}},
      {"change fails", Answer::Ok, false, true, {will, could}, 60, {"75 now"}, 75},
      {"no way back", Answer::Cancel, false, true, {will, keep, could}, 60, {"75 now", "60 now"}, 60},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Fresh();
    CardsNT();
    NTModes(display);
    if (!c.listed) display.modes.erase(display.modes.begin() + 6);
    if (c.refused) display.refused = {{32, 1024, 768, 75}};
    if (c.fails) display.failing = {{{32, 1024, 768, c.fails}, ChangeFlags::Now, kFailed}};
    Show();
    Choose(k1024List, 1);
    shell.answers = {Answer::Ok, c.reply};
    Click(IDC_DISPLAY_APPLY);
    EXPECT_EQ(c.messages, Messages());
    for (const char* card : {"Video0", "Video1", "Video2"})
      EXPECT_EQ(c.stored, Rate(card, "REFRESHRATE1024 x  768")) << card;
    for (const auto& change : display.Changes())
      EXPECT_EQ(os::ModeFields::WithFrequency, change.fields);
    EXPECT_EQ(c.changes, Changes(&os::DisplayMode::frequency));
    EXPECT_EQ(c.stored == 75 ? 1 : 0, controls.CurrentIndex(k1024List));
  }
}

// After Default a list of a single rate has no selection; so has a list
// whose edit field was typed into. Apply keeps their stored rates and
// changes nothing.
TEST_F(DisplayPageTest, DefaultSelectsTheSecondEntryAndStoresNothing) {
  CardsNT();
  NTModes(display);
  display.modes.erase(display.modes.begin() + 4);  // 1024 x 768 at 60 Hz only
  registry.PutDword(kMachine, kDeviceCards + "Video1", "REFRESHRATE 800 x  600", 75);
  PutCommon("checkdispmode", "0");
  registry.PutText(kMachine, kDevicePath, "SSTH3_RGAMMA", "0.850000");
  Show();
  const std::string before = registry.Dump();
  Click(IDC_DISPLAY_DEFAULT);
  EXPECT_EQ(registry.Dump(), before);
  EXPECT_EQ(1, controls.CurrentIndex(IDC_REFRESH_800X600));
  EXPECT_EQ(ui::Controls::kNone, controls.CurrentIndex(k1024List));
  EXPECT_TRUE(controls.IsChecked(IDC_MODE_PROMPT));
  EXPECT_TRUE(controls.IsChecked(IDC_DESKTOP_LINK_RGB));
  EXPECT_EQ("1", controls.Text(IDC_DESKTOP_GAMMA_RED));
  EXPECT_TRUE(controls.IsEnabled(IDC_DISPLAY_RESET));
  controls.SetCurrentIndex(IDC_REFRESH_800X600, ui::Controls::kNone);
  Click(IDC_DISPLAY_APPLY);
  EXPECT_EQ(60u, Rate("Video1", "REFRESHRATE1024 x  768"));
  EXPECT_EQ(75u, Rate("Video1", "REFRESHRATE 800 x  600"));
  EXPECT_TRUE(display.calls.empty());
  EXPECT_TRUE(shell.messages.empty());
}

TEST_F(DisplayPageTest, ModeListsHoldEachDepthAndSizeOnceInOrder) {
  Cards95();
  display.modes = {{32, 640, 480, 60}, {8, 640, 480, 60}, {16, 800, 600, 60},
                   {16, 640, 480, 60}, {32, 1280, 1024, 60}, {32, 1280, 960, 60}};
  display.screen = {16, 800, 600};
  Show();
  EXPECT_EQ((std::vector<std::string>{" 8BitColor", "16BitColor", "32BitColor"}),
            Items(IDC_MODE_DEPTH));
  EXPECT_EQ((std::vector<std::string>{" 640 x  480", " 800 x  600", "1280 x  960",
                                      "1280 x 1024"}),
            Items(IDC_MODE_SIZE));
  EXPECT_EQ("16BitColor", controls.Text(IDC_MODE_DEPTH));
  EXPECT_EQ(" 800 x  600", controls.Text(IDC_MODE_SIZE));
  EXPECT_FALSE(controls.IsEnabled(IDC_MODE_SET));
}

// Set to 16 bits at 800 x 600 from the desktop's 32 bits at 1024 x 768.
TEST_F(DisplayPageTest, SetChangesTheModeAndAsksWhenPrompted) {
  struct Case {
    const char* name;
    const char* checkDispMode;  // nullptr: none stored
    fakes::Reply reply;
    bool refused;
    const char* typedSize;  // nullptr: the list's entry is chosen
    std::vector<std::string> messages;
    int screenWidth;
    std::vector<std::string> changes;  // widths
    long fails = 0;  // Windows' result of a change to 800 x 600 with `failing`
    ChangeFlags failing = ChangeFlags::Now;
  };
  const std::string keep = kKeepMode, cannot = kCannotSetModeMessage;
  const Case cases[] = {
      {"OK", nullptr, Answer::Ok, false, nullptr, {keep}, 800, {"800 now", "800 stored"}},
      {"Cancel", "1", Answer::Cancel, false, nullptr, {keep}, 1024, {"800 now", "1024 now"}},
      {"no answer", "1", fakes::kNoAnswer, false, nullptr, {keep}, 1024, {"800 now", "1024 now"}},
      {"box ended", "1", fakes::kBoxEnded, false, nullptr, {keep}, 1024, {"800 now", "1024 now"}},
      {"no prompt", "0", Answer::Cancel, false, nullptr, {}, 800, {"800 now", "800 stored"}},
      {"rejected", "1", Answer::Ok, true, nullptr, {cannot}, 1024, {}},
      {"typed", "1", Answer::Ok, false, " 800 x 600", {cannot}, 1024, {}},
      {"needs restart", "0", Answer::Ok, false, nullptr, {cannot}, 1024, {"800 now"}, kRestart},
      {"not stored", "1", Answer::Ok, false, nullptr, {keep, cannot}, 1024,
       {"800 now", "800 stored", "1024 now"}, kNotUpdated, ChangeFlags::Store},
      {"stored for a restart", "0", Answer::Ok, false, nullptr, {cannot}, 1024,
       {"800 now", "800 stored", "1024 stored"}, kRestart, ChangeFlags::Store},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Fresh();
    Cards95();
    if (c.checkDispMode) PutCommon("checkdispmode", c.checkDispMode);
    if (c.refused) display.refused = {{16, 800, 600, 0}};
    if (c.fails) display.failing = {{{16, 800, 600, 0}, c.failing, c.fails}};
    Show();
    const int keptDepth = controls.CurrentIndex(IDC_MODE_DEPTH);
    const int keptSize = controls.CurrentIndex(IDC_MODE_SIZE);
    Choose(IDC_MODE_DEPTH, controls.FindExact(IDC_MODE_DEPTH, "16BitColor", -1));
    Choose(IDC_MODE_SIZE, controls.FindExact(IDC_MODE_SIZE, " 800 x  600", -1));
    if (c.typedSize) controls.SetText(IDC_MODE_SIZE, c.typedSize);
    EXPECT_TRUE(controls.IsEnabled(IDC_MODE_SET));
    shell.answers = {c.reply};
    Click(IDC_MODE_SET);
    EXPECT_EQ(c.messages, Messages());
    EXPECT_EQ(c.screenWidth, display.screen.width);
    EXPECT_EQ(c.screenWidth, static_cast<int>(display.stored.width));
    EXPECT_EQ(c.changes, Changes(&os::DisplayMode::width));
    const bool moved = c.screenWidth == 800;
    EXPECT_EQ(moved ? "16BitColor" : "32BitColor", controls.Text(IDC_MODE_DEPTH));
    EXPECT_NE(moved, controls.CurrentIndex(IDC_MODE_SIZE) == keptSize);
    EXPECT_NE(moved, controls.CurrentIndex(IDC_MODE_DEPTH) == keptDepth);
    EXPECT_EQ(c.checkDispMode ? c.checkDispMode : "1",
              registry.Text(kMachine, kCommon, "checkdispmode"));
    EXPECT_FALSE(controls.IsEnabled(IDC_MODE_SET));
  }
}

// Windows NT sets the chosen size at the rate stored for it; a size without
// a stored rate names no mode.
TEST_F(DisplayPageTest, WindowsNTSetTakesTheStoredRateOfTheSize) {
  CardsNT();
  NTModes(display);
  display.modes.push_back({32, 640, 480, 0});
  PutCommon("checkdispmode", "0");
  registry.PutDword(kMachine, kDeviceCards + "Video1", "REFRESHRATE1024 x  768", 75);
  display.screen = {16, 800, 600};
  Show();
  Choose(IDC_MODE_DEPTH, controls.FindExact(IDC_MODE_DEPTH, "32BitColor", -1));
  Choose(IDC_MODE_SIZE, controls.FindExact(IDC_MODE_SIZE, "1024 x  768", -1));
  Click(IDC_MODE_SET);
  ASSERT_EQ(2u, display.Changes().size());
  EXPECT_EQ(75u, display.Changes()[0].mode.frequency);
  EXPECT_EQ(1, controls.CurrentIndex(k1024List));

  Choose(IDC_MODE_DEPTH, controls.FindExact(IDC_MODE_DEPTH, "32BitColor", -1));
  Choose(IDC_MODE_SIZE, controls.FindExact(IDC_MODE_SIZE, " 640 x  480", -1));
  Click(IDC_MODE_SET);
  EXPECT_EQ(std::vector<std::string>{kCannotSetModeMessage}, Messages());
  EXPECT_EQ(2u, display.Changes().size());
}

// The page's desktop is the screen after a rejected Set, so that the next
// Apply knows which size's rate takes effect at once.
TEST_F(DisplayPageTest, ARejectedSetLeavesThePageOnTheDesktopsMode) {
  Cards95();
  display.refused = {{16, 800, 600, 0}};
  Show();
  Choose(IDC_MODE_DEPTH, controls.FindExact(IDC_MODE_DEPTH, "16BitColor", -1));
  Choose(IDC_MODE_SIZE, controls.FindExact(IDC_MODE_SIZE, " 800 x  600", -1));
  Click(IDC_MODE_SET);
  Choose(k1024List, 6);
  shell.answers = {Answer::Ok, Answer::Ok};
  Click(IDC_DISPLAY_APPLY);
  EXPECT_EQ((std::vector<std::string>{kCannotSetModeMessage, kRefreshWillChangeMessage,
                                      kKeepRate}),
            Messages());
}

// Without a listed current mode the bounce changes nothing: never to the
// list's first mode.
TEST_F(DisplayPageTest, NoBounceWithoutAKnownCurrentMode) {
  Cards95();
  display.screen = {24, 1024, 768};
  Show();
  Choose(k1024List, 6);
  Click(IDC_DISPLAY_APPLY);
  EXPECT_EQ(2u, shell.messages.size());
  EXPECT_TRUE(display.calls.empty());
}

TEST_F(DisplayPageTest, GammaLoadsStepsWithinItsRangeAndIsStoredWithSixDecimals) {
  Cards95();
  registry.PutText(kMachine, kDriver + "0000", "SSTH3_RGAMMA", "1.234567");
  registry.PutText(kMachine, kDriver + "0000", "SSTH3_GGAMMA", "1.700000");
  registry.PutText(kMachine, kDriver + "0000", "SSTH3_BGAMMA", "0.300000");
  PutCommon("linkrgb3", "0");
  Show();
  EXPECT_EQ("1.23", controls.Text(IDC_DESKTOP_GAMMA_RED));
  EXPECT_FALSE(controls.IsChecked(IDC_DESKTOP_LINK_RGB));
  page->OnDeltaPos(IDC_DESKTOP_GAMMA_GREEN_SPIN, -1);
  page->OnDeltaPos(IDC_DESKTOP_GAMMA_BLUE_SPIN, 1);
  EXPECT_EQ("1.7", controls.Text(IDC_DESKTOP_GAMMA_GREEN));
  EXPECT_EQ("0.3", controls.Text(IDC_DESKTOP_GAMMA_BLUE));
  EXPECT_TRUE(controls.IsEnabled(IDC_DISPLAY_APPLY));
  controls.SetCheck(IDC_DESKTOP_LINK_RGB, true);
  Click(IDC_DESKTOP_LINK_RGB);
  page->OnDeltaPos(IDC_DESKTOP_GAMMA_RED_SPIN, -1);
  EXPECT_EQ("1.24", controls.Text(IDC_DESKTOP_GAMMA_BLUE));
  Click(IDC_DISPLAY_APPLY);
  for (const char* card : {"0000", "0001"})
    for (const char* name : {"SSTH3_RGAMMA", "SSTH3_GGAMMA", "SSTH3_BGAMMA"})
      EXPECT_EQ("1.240000", registry.Text(kMachine, kDriver + card, name));
  EXPECT_EQ("1", registry.Text(kMachine, kCommon, "linkrgb3"));
}

TEST_F(DisplayPageTest, WindowsNTGammaLivesInTheDeviceKey) {
  CardsNT();
  Show();
  EXPECT_EQ("1", controls.Text(IDC_DESKTOP_GAMMA_GREEN));
  Click(IDC_DISPLAY_APPLY);
  EXPECT_EQ("1.000000", registry.Text(kMachine, kDevicePath, "SSTH3_GGAMMA"));
}

}  // namespace
