#pragma once

#include <string>
#include <vector>

#include "ui/settings_page.h"

inline constexpr const char kNeedCardMessage[] = "Need to select Banshee card";

// What the message names when an Apply could not store everything.
inline constexpr const char kConfigurationSettings[] =
    "the Configuration page's settings";

// The "Configuration" page (dialog 1003): the card the other pages work on,
// apply-to-all, the recorded versions, the start-up options and the
// per-card "OverRide vendor's control settings" flag.
class CMyPage4 : public ui::SettingsPage {
 public:
  explicit CMyPage4(os::Services& services);

  bool OnInitDialog() override;

 private:
  void Activate() override;
  void Default() override;
  void Apply() override;
  std::string NotStoredText(const std::vector<Refusal>& refused) override;
  bool OnPageCommand(int id, int notification) override;

  void Select();
  void TrayClick();

  void ShowVersion(int id, const std::string& text);
  void ShowApplyAll();
  // The card's "OverRide vendor's control settings" flag.
  bool ReadOverride(const std::string& card);
  void ReadVersions(const std::string& card, std::string& driverVersion,
                    std::string& revision);
  bool HasCard(int index) const;

  std::string family_;
  std::vector<std::string> cards_;
  int savedIndex_ = 0;
  std::string cardCount_;
  std::string applyAll_;
  std::string tray_;
  std::string startHidden_;
  std::string savedDriverVersion_, workingDriverVersion_;
  std::string savedRevision_, workingRevision_;
};
