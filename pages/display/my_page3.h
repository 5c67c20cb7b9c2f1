#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "pages/display/desktop_modes.h"
#include "pages/display/size_table.h"
#include "ui/gamma_group.h"
#include "ui/settings_page.h"

inline constexpr const char kRefreshWillChangeMessage[] =
    "Refreshrate will change.\nIf the screen does not show\nproperly after "
    "changes press ESC.";
inline constexpr const char kKeepRefreshMessage[] = "Keep this Refreshrate?";
inline constexpr const char kCannotChangeRefreshMessage[] =
    "Could not change refreshrate.";
inline constexpr const char kCannotSetModeMessage[] =
    "Cannot quick change to\nselected DisplayMode";
inline constexpr const char kKeepModeMessage[] = "Keep this DisplayMode?";
// What returns when nobody answers a keep question.
inline constexpr const char kPreviousRate[] = "The previous rate";
inline constexpr const char kPreviousMode[] = "The previous mode";

// What the message names when an Apply could not store everything.
inline constexpr const char kDisplaySettings[] = "the Display page's settings";

// The "Display" page (dialog 1002): a refresh rate for each of fourteen
// screen sizes, the desktop's display mode, and the desktop gamma. Windows
// 95/98 keeps the rates as the driver's texts in its mode keys; Windows NT
// keeps hertz in the card key and changes the desktop's mode to apply one.
class CMyPage3 : public ui::SettingsPage {
 public:
  explicit CMyPage3(os::Services& services);

  bool OnInitDialog() override;
  int OnDeltaPos(int id, int delta) override;
  void DoDataExchange(ui::DataExchange& exchange) override;

 private:
  using GammaTexts = std::array<std::string, ui::kChannels>;
  // What became of a mode the desktop was changed to: kept and stored, left
  // for the previous mode as the user asked, or not kept because the
  // platform did not store it or could not go back.
  enum class Outcome { Kept, Returned, Failed };

  void Activate() override;
  void Default() override;
  void Apply() override;
  std::string NotStoredText(const std::vector<Refusal>& refused) override;
  bool OnPageCommand(int id, int notification) override;

  bool Is95() const;
  std::vector<std::string> TargetCards() const;

  // Loading (my_page3.cpp).
  void LoadDisplay95();
  void LoadRefreshNT();
  void LoadDesktopNT();
  GammaTexts ReadGamma(const std::string& path);
  void ShowGamma(const GammaTexts& texts);
  // The three values as the driver reads them, "%7.6lf".
  void WriteGamma(const std::string& path);

  // Refresh rates: the Windows 95/98 mode keys, the Windows NT card keys.
  void WriteRowText(const std::string& card, const std::string& keyText,
                    const std::string& text);
  void WriteModeRefresh(const std::string& card, const std::string& keyText,
                        int position);
  bool ReadRate(const std::string& valueName, std::uint32_t& hertz);
  void WriteRate(const std::string& valueName, std::uint32_t hertz);

  // Apply (display_apply.cpp).
  void ApplyDisplay95();
  void ApplyDisplayNT();
  void ChangeRateNT(const std::string& valueName, std::uint32_t oldRate,
                    std::uint32_t newRate);

  // The display-mode row (display_mode_row.cpp).
  void FillModeLists95();
  void FillModeListsNT(std::string& devicePath);
  void FillModeLists(const std::string& currentText, os::ModeFields fields);
  void ShowPromptBox();
  void Set();
  void SetMode();
  void SelectKeptModeItems();
  Outcome KeepChangedMode(int changed, int previous, const char* question,
                          const char* returning);

  std::string family_;
  std::vector<std::string> cards_;
  std::string applyAll_;
  std::string selected_;
  bool prompt_ = true;
  display::DesktopModes desktop_;
  int keptDepthItem_ = -1;
  int keptSizeItem_ = -1;
  int keptChoice_ = -1;
  int newChoice_ = -1;
  // Windows 95/98: whether the desktop's depth has mode keys, and the
  // choices the lists showed when loaded.
  bool modeKeyDepth_ = true;
  int loadedChoices_[display::kRows] = {};
  ui::GammaGroup gamma_;
};
