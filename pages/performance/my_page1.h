#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "pages/performance/card_apply.h"
#include "ui/gamma_group.h"
#include "ui/settings_page.h"

// What an apply step returns: whether Windows must restart.
inline constexpr const char kReboot[] = "REBOOT";
inline constexpr const char kNoReboot[] = "NO_REBOOT";

// What the message names when an Apply could not store everything.
inline constexpr const char kPerformanceSettings[] = "the Performance page's settings";

// The "Performance" page (dialog 1000): the core and memory clocks, the
// DirectX acceleration switches, the Direct3D and Glide driver switches and
// the two gamma groups of the selected card. Apply writes them to the target
// cards and asks for a restart when the clocks or the splash switch changed.
class CMyPage1 : public ui::SettingsPage {
 public:
  explicit CMyPage1(os::Services& services);

  bool OnInitDialog() override;
  int OnDeltaPos(int id, int delta) override;
  void DoDataExchange(ui::DataExchange& exchange) override;

  // The two apply steps; each returns "REBOOT" or "NO_REBOOT".
  std::string Apply95();
  std::string ApplyNT();

 private:
  // A clock in MHz as the driver stores it and as Apply will store it; 84
  // stands for Default.
  struct Clock {
    std::uint32_t stored = 0;
    std::uint32_t chosen = 0;
  };

  void Activate() override;
  void Default() override;
  void Apply() override;
  std::string NotStoredText(const std::vector<Refusal>& refused) override;
  bool OnPageCommand(int id, int notification) override;

  bool Windows95() const;
  void Load95();
  void LoadNT();
  void LoadCommon();
  void LoadSwitches(const std::string& cardKey);
  // The clock controls as clock mode leaves them; clock mode "1" reads the
  // stored clocks again.
  void ShowClockMode(bool useClock);
  // The stored clocks as the driver keeps them for the selected card;
  // `resetFirst` makes a value that cannot be read count as 0.
  void ReadClocks(bool resetFirst);
  // Checks "Use Default settings" when no clock is stored, and lets the
  // steppers move otherwise.
  void ShowClocksStored();
  // Both clocks by the display rule: stored clocks from 85 to 166 MHz are
  // chosen and shown, any other is Default.
  void ShowClocks();
  void ShowClock(int edit, const Clock& clock);
  void ClocksToDefault();
  void StepClock(Clock& clock, int edit, int delta);
  void ClockModeClicked();
  void DefaultClocksClicked();
  void Reexchange();

  // The card's device key on Windows NT; empty when it has none.
  std::string DeviceKey(const std::string& card);
  std::string ApplyCards(bool nt);
  performance::Choices ReadChoices(bool nt);
  void WriteDirectX(bool nt);
  bool KeysOf(const std::string& card, bool nt, performance::CardKeys& keys);

  std::string family_;
  std::vector<std::string> cards_;
  std::string applyAll_;
  std::string selected_;
  Clock core_;
  Clock memory_;
  bool splashAtLoad_ = false;
  ui::GammaGroup d3dGamma_;
  ui::GammaGroup glideGamma_;
};
