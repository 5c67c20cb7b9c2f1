#include "pages/performance/my_page1.h"

#include <utility>

#include "machine/cards.h"
#include "machine/not_stored.h"
#include "machine/os_family.h"
#include "machine/vendor_settings.h"
#include "pages/performance/card_apply.h"
#include "pages/performance/switches.h"
#include "res/controls.h"
#include "res/resource.h"
#include "ui/restart_prompt.h"
#include "ui/stepped_value.h"

namespace {

constexpr ui::SteppedRange kClockRange{performance::kDefaultClock, 166,
                                       "%dMHz"};
constexpr ui::GammaRange kGammaRange{0.3, 2.3, "1.300000"};

// The clock controls that only clock mode "1" enables.
constexpr int kClockControls[] = {IDC_CORE_CLOCK_LABEL, IDC_MEMORY_CLOCK_LABEL,
                                  IDC_CORE_CLOCK, IDC_MEMORY_CLOCK};

}  // namespace

CMyPage1::CMyPage1(os::Services& services)
    : SettingsPage(IDD_PERFORMANCE,
                   {IDC_PERF_DEFAULT, IDC_PERF_RESET, IDC_PERF_APPLY},
                   services),
      d3dGamma_({{IDC_D3D_GAMMA_RED, IDC_D3D_GAMMA_GREEN, IDC_D3D_GAMMA_BLUE},
                 {IDC_D3D_GAMMA_RED_SPIN, IDC_D3D_GAMMA_GREEN_SPIN,
                  IDC_D3D_GAMMA_BLUE_SPIN},
                 IDC_D3D_LINK_RGB},
                kGammaRange),
      glideGamma_({{IDC_GLIDE_GAMMA_RED, IDC_GLIDE_GAMMA_GREEN,
                    IDC_GLIDE_GAMMA_BLUE},
                   {IDC_GLIDE_GAMMA_RED_SPIN, IDC_GLIDE_GAMMA_GREEN_SPIN,
                    IDC_GLIDE_GAMMA_BLUE_SPIN},
                   IDC_GLIDE_LINK_RGB},
                  kGammaRange) {}

bool CMyPage1::OnInitDialog() {
  PropertyPage::OnInitDialog();
  family_ = OsFamily(services().system);
  cards_ = ListCards(services().registry, family_);
  return true;
}

bool CMyPage1::Windows95() const { return family_ == family::kWindows95; }

void CMyPage1::Activate() {
  if (Windows95()) {
    Load95();
    CleanVendorSettings(services().registry, cards_);
  } else {
    LoadNT();
  }
}

void CMyPage1::DoDataExchange(ui::DataExchange& exchange) {
  d3dGamma_.Exchange(exchange);
  glideGamma_.Exchange(exchange);
}

void CMyPage1::Reexchange() {
  UpdateData(true);
  UpdateData(false);
}

int CMyPage1::OnDeltaPos(int id, int delta) {
  if (id == IDC_CORE_CLOCK_SPIN) {
    StepClock(core_, IDC_CORE_CLOCK, delta);
    return 0;
  }
  if (id == IDC_MEMORY_CLOCK_SPIN) {
    StepClock(memory_, IDC_MEMORY_CLOCK, delta);
    return 0;
  }
  for (ui::GammaGroup* group : {&d3dGamma_, &glideGamma_}) {
    const int channel = group->ChannelOf(id);
    if (channel < 0) continue;
    UpdateData(true);
    group->Step(channel, delta);
    UpdateData(false);
    EnableApplyAndReset(true);
  }
  return 0;
}

void CMyPage1::StepClock(Clock& clock, int edit, int delta) {
  clock.chosen = static_cast<std::uint32_t>(
      ui::StepValue(kClockRange, clock.chosen, delta));
  controls().SetText(edit, ui::SteppedText(kClockRange,
                                           static_cast<int>(clock.chosen)));
  EnableApplyAndReset(true);
}

bool CMyPage1::OnPageCommand(int id, int notification) {
  if (notification != ui::kClicked) return false;
  switch (id) {
    case IDC_USE_CLOCK_SETTINGS:
      ClockModeClicked();
      return true;
    case IDC_USE_DEFAULT_CLOCKS:
      DefaultClocksClicked();
      return true;
    case IDC_D3D_LINK_RGB:
      d3dGamma_.LinkClicked(controls());
      return true;
    case IDC_GLIDE_LINK_RGB:
      glideGamma_.LinkClicked(controls());
      return true;
    case IDC_D3D_HW_ACCEL:
    case IDC_DDRAW_HW_ACCEL:
    case IDC_D3D_DISABLE_VSYNC:
    case IDC_D3D_ANTIALIAS:
    case IDC_D3D_OVERLAY_MODE:
    case IDC_D3D_AUTO_MIPMAP:
    case IDC_GLIDE_NO_SPLASH:
    case IDC_GLIDE_NO_SHAMELESS_PLUG:
    case IDC_GLIDE_DISABLE_VSYNC:
    case IDC_GLIDE_TEXTURE_2MB:
    case IDC_GLIDE_TRIPLE_BUFFER:
    case IDC_GLIDE_MIPMAP_DITHER:
    case IDC_GLIDE_RUSH_EMULATION:
      EnableApplyAndReset(true);
      return true;
    default:
      return false;
  }
}

void CMyPage1::ShowClock(int edit, const Clock& clock) {
  controls().SetText(edit, ui::SteppedText(kClockRange,
                                           static_cast<int>(clock.chosen)));
}

void CMyPage1::ShowClocks() {
  for (auto [clock, edit] : {std::pair{&core_, IDC_CORE_CLOCK},
                             std::pair{&memory_, IDC_MEMORY_CLOCK}}) {
    if (clock->stored <= kClockRange.defaultValue ||
        clock->stored > static_cast<std::uint32_t>(kClockRange.highest))
      clock->stored = kClockRange.defaultValue;
    clock->chosen = clock->stored;
    ShowClock(edit, *clock);
  }
}

void CMyPage1::ClocksToDefault() {
  core_.chosen = memory_.chosen = kClockRange.defaultValue;
  ShowClock(IDC_CORE_CLOCK, core_);
  ShowClock(IDC_MEMORY_CLOCK, memory_);
}

void CMyPage1::ShowClocksStored() {
  const bool stored = core_.stored != 0 || memory_.stored != 0;
  controls().SetCheck(IDC_USE_DEFAULT_CLOCKS, !stored);
  controls().Enable(IDC_CORE_CLOCK_SPIN, stored);
  controls().Enable(IDC_MEMORY_CLOCK_SPIN, stored);
}

void CMyPage1::ShowClockMode(bool useClock) {
  for (int id : kClockControls) controls().Enable(id, useClock);
  controls().SetCheck(IDC_USE_CLOCK_SETTINGS, useClock);
  controls().Enable(IDC_USE_DEFAULT_CLOCKS, useClock);
  if (useClock) {
    ReadClocks(true);
    ShowClocksStored();
    ShowClocks();
    return;
  }
  ClocksToDefault();
  controls().Enable(IDC_CORE_CLOCK_SPIN, false);
  controls().Enable(IDC_MEMORY_CLOCK_SPIN, false);
  controls().SetCheck(IDC_USE_DEFAULT_CLOCKS, false);
}

void CMyPage1::ClockModeClicked() {
  const bool useClock = controls().IsChecked(IDC_USE_CLOCK_SETTINGS);
  ShowClockMode(useClock);
  if (useClock) Reexchange();
  EnableApplyAndReset(true);
}

void CMyPage1::DefaultClocksClicked() {
  if (controls().IsChecked(IDC_USE_DEFAULT_CLOCKS)) {
    ClocksToDefault();
    controls().Enable(IDC_CORE_CLOCK_SPIN, false);
    controls().Enable(IDC_MEMORY_CLOCK_SPIN, false);
    EnableApplyAndReset(true);
    return;
  }
  controls().Enable(IDC_CORE_CLOCK_SPIN, true);
  controls().Enable(IDC_MEMORY_CLOCK_SPIN, true);
  ReadClocks(false);
  ShowClocks();
  Reexchange();
}

void CMyPage1::Default() {
  ShowClockMode(false);
  controls().SetCheck(IDC_D3D_HW_ACCEL, true);
  controls().SetCheck(IDC_DDRAW_HW_ACCEL, true);
  for (const auto& box : performance::kD3DSwitches)
    controls().SetCheck(box.box, box.afterDefault);
  for (const auto& box : performance::kGlideSwitches)
    controls().SetCheck(box.box, box.afterDefault);
  controls().SetCheck(performance::kSplashSwitch.box,
                      performance::kSplashSwitch.afterDefault);
  d3dGamma_.ShowDefault(controls(), kGammaRange.missing);
  glideGamma_.ShowDefault(controls(), kGammaRange.missing);
  Reexchange();
}

void CMyPage1::Apply() {
  const std::string result = Windows95() ? Apply95() : ApplyNT();
  if (result == kReboot && AllStored())
    ui::AskRestart(services(), Windows95() ? ui::RestartForm::Windows95
                                           : ui::RestartForm::WindowsNT);
}

std::string CMyPage1::NotStoredText(const std::vector<Refusal>& refused) {
  return settings::NotStoredMessage(services().registry, family_, kPerformanceSettings,
                                    refused);
}
