#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "ui/settings_page.h"

// What the message names when an Apply could not store everything.
inline constexpr const char kOptionSettings[] = "the Option page's settings";

// The "Option" page (dialog 1001): the video memory size the Windows 95/98
// display driver assumes, and the driver switch SSTH3_LDELAY. On Windows NT
// the memory size is only shown. The page's other check boxes are never
// enabled, checked or stored.
class CMyPage2 : public ui::SettingsPage {
 public:
  explicit CMyPage2(os::Services& services);

  bool OnInitDialog() override;
  int OnDeltaPos(int id, int delta) override;

 private:
  void Activate() override;
  void Default() override;
  void Apply() override;
  std::string NotStoredText(const std::vector<Refusal>& refused) override;
  bool OnPageCommand(int id, int notification) override;

  void ReadCommon();
  void Load95();
  void LoadNT();
  // True when the new memory size needs a restart of Windows.
  bool Apply95();
  void ApplyNT();

  // Default, or an explicit size in MB, as the edit shows it.
  void ShowChosenSize();
  // The size found in the driver's settings, which a step has not brought
  // into the range yet: 0 shows Default, any other number as it is.
  void ShowStoredSize();

  std::string family_;
  std::vector<std::string> cards_;
  std::string applyAll_;
  std::string selected_;
  // In MB: 0 when the driver's settings hold none, 3 for Default.
  std::uint32_t storedSize_ = 0;
  // What Apply stores: 3 for Default, else 4 to 16 MB once stepped.
  std::uint32_t chosenSize_ = 0;
};
