#include "machine/managed_set.h"
#include "pages/display/my_page3.h"

#include <algorithm>
#include <iterator>

#include "machine/cards.h"
#include "machine/not_stored.h"
#include "machine/os_family.h"
#include "machine/vendor_settings.h"
#include "pages/display/refresh_choices.h"
#include "pages/display/size_table.h"
#include "res/controls.h"
#include "res/resource.h"
#include "store/delete.h"
#include "store/flags.h"
#include "store/names.h"
#include "store/registry_key.h"
#include "store/single_value.h"

namespace {


// A size's mode key at one depth of a card's Windows 95/98 driver.
std::string ModeKey(const std::string& card, const std::string& depth,
                    const std::string& keyText) {
  return managed::ModeKey(DriverKey(card), depth, keyText);
}

}  // namespace

CMyPage3::CMyPage3(os::Services& services)
    : SettingsPage(IDD_DISPLAY,
                   {IDC_DISPLAY_DEFAULT, IDC_DISPLAY_RESET, IDC_DISPLAY_APPLY},
                   services),
      desktop_(services.display),
      gamma_({{IDC_DESKTOP_GAMMA_RED, IDC_DESKTOP_GAMMA_GREEN,
               IDC_DESKTOP_GAMMA_BLUE},
              {IDC_DESKTOP_GAMMA_RED_SPIN, IDC_DESKTOP_GAMMA_GREEN_SPIN,
               IDC_DESKTOP_GAMMA_BLUE_SPIN},
              IDC_DESKTOP_LINK_RGB},
             {0.3, 1.7, "1.000000"}) {}

bool CMyPage3::OnInitDialog() {
  PropertyPage::OnInitDialog();
  family_ = OsFamily(services().system);
  desktop_.fields =
      Is95() ? os::ModeFields::DepthAndSize : os::ModeFields::WithFrequency;
  if (Is95()) {
    for (int row = 0; row < display::kRows; ++row)
      for (const char* entry : display::kChoiceEntries)
        controls().AddItem(display::ListId(row), entry);
  }
  cards_ = ListCards(services().registry, family_);
  return true;
}

void CMyPage3::Activate() {
  applyAll_.clear();
  selected_.clear();
  std::string link, prompt;
  CRegistryKey key(services().registry);
  if (key.OpenToRead(os::kMachine, names::kCommon) == os::error::kSuccess) {
    key.QueryText(names::kApplyAll, applyAll_);
    key.QueryText(names::kSelectedDisplay, selected_);
    key.QueryText(names::kCheckDispMode, prompt);
    key.QueryText(names::kLinkRgb3, link);
    key.Close();
  }
  prompt_ = flags::IsOn(flags::kCheckDispMode, prompt);
  gamma_.linked = flags::IsOn(flags::kLinkRgb3, link);

  if (Is95()) {
    LoadDisplay95();
    CleanVendorSettings(services().registry, cards_);
  } else {
    LoadRefreshNT();
    LoadDesktopNT();
  }
  controls().Enable(IDC_MODE_SET, false);
}

// Every activation on Windows 95/98 writes the choice found at the desktop's
// depth into all four depths of every size, creating the mode keys. Without
// a selected card there is no driver key: the mode keys are neither read nor
// written, which would make them below the display class key itself. A
// desktop of a depth without mode keys (Safe Mode's 16 colours) has nothing
// to copy: the lists show the driver's default and no mode key is touched,
// so the rates the user set survive.
void CMyPage3::LoadDisplay95() {
  const GammaTexts gamma = ReadGamma(DriverKey(selected_));
  desktop_.ReadDesktopMode();
  const std::string depth = std::to_string(desktop_.depth);
  modeKeyDepth_ = std::any_of(
      std::begin(managed::kModeDepths), std::end(managed::kModeDepths),
      [&](const char* known) { return depth == known; });
  const bool hasCard = !selected_.empty() && modeKeyDepth_;
  std::string driverDefault;
  if (!selected_.empty())
    ReadText(services().registry, DriverKey(selected_) + names::kDefaultSubkey,
             names::kRefreshRate, driverDefault);

  int positions[display::kRows];
  for (int row = 0; row < display::kRows; ++row) {
    const std::string keyText = display::KeyText(row);
    std::string text;
    if (hasCard)
      ReadText(services().registry, ModeKey(selected_, depth, keyText),
               names::kRefreshRate, text);
    if (text.empty()) {
      if (driverDefault == "0" || driverDefault.empty())
        text = "0";
      else if (driverDefault == "-1")
        text = "-1";
    }
    positions[row] = display::ChoiceOfText(text);
    loadedChoices_[row] = positions[row];
    if (display::RowOf(desktop_.width, desktop_.height) == row)
      keptChoice_ = positions[row];
    if (hasCard) WriteRowText(selected_, keyText, text);
  }
  for (int row = 0; row < display::kRows; ++row)
    controls().SetCurrentIndex(display::ListId(row), positions[row]);

  FillModeLists95();
  ShowPromptBox();
  ShowGamma(gamma);
}

// The lists hold the 8-bit rates the platform lists for each size. A size
// without one shows "N/A" and keeps no rate; a stored rate the platform no
// longer lists is replaced by its first one.
void CMyPage3::LoadRefreshNT() {
  for (int row = 0; row < display::kRows; ++row)
    controls().ClearItems(display::ListId(row));
  desktop_.ReadDesktopMode();

  os::DisplayMode mode;
  for (int index = 0; services().display.ModeAt(index, mode); ++index) {
    const int row = display::RowOf(static_cast<int>(mode.width),
                                   static_cast<int>(mode.height));
    if (mode.frequency == 0 || mode.bitsPerPixel != 8 || row < 0) continue;
    controls().AddItem(display::ListId(row), display::RateEntry(mode.frequency));
    controls().Enable(display::ListId(row), true);
  }

  for (int row = 0; row < display::kRows; ++row) {
    const int list = display::ListId(row);
    const std::string valueName = display::RateValueName(row);
    const bool listed = controls().ItemCount(list) > 0;
    controls().Enable(list, listed);
    controls().Enable(display::LabelId(row), listed);
    if (!listed) {
      controls().SetCurrentIndex(list, controls().AddItem(list, display::kNoRate));
      for (const std::string& card : TargetCards())
        DeleteValues(services().registry, os::kMachine, CardKey(family_, card),
                     {valueName.c_str()});
      continue;
    }
    std::uint32_t stored = 0;
    const int found = ReadRate(valueName, stored)
                          ? controls().FindPrefix(
                                list, display::RateEntry(stored), ui::Controls::kNone)
                          : ui::Controls::kNone;
    if (found != ui::Controls::kNone) {
      controls().SetCurrentIndex(list, found);
    } else {
      controls().SetCurrentIndex(list, 0);
      WriteRate(valueName, display::HzOfEntry(controls().ItemText(list, 0)));
    }
  }
  const int desktopRow = display::RowOf(desktop_.width, desktop_.height);
  if (desktopRow >= 0)
    keptChoice_ = controls().CurrentIndex(display::ListId(desktopRow));
}

void CMyPage3::LoadDesktopNT() {
  std::string devicePath;
  FillModeListsNT(devicePath);
  ShowPromptBox();
  ShowGamma(devicePath.empty() ? GammaTexts() : ReadGamma(devicePath));
}

CMyPage3::GammaTexts CMyPage3::ReadGamma(const std::string& path) {
  GammaTexts texts;
  CRegistryKey key(services().registry);
  if (key.OpenToRead(os::kMachine, path) == os::error::kSuccess) {
    for (int channel = 0; channel < ui::kChannels; ++channel)
      key.QueryText(managed::kGammaValues[channel], texts[channel]);
    key.Close();
  }
  return texts;
}

void CMyPage3::WriteGamma(const std::string& path) {
  CRegistryKey key(services().registry);
  if (key.Open(os::kMachine, path) != os::error::kSuccess) return;
  for (int channel = 0; channel < ui::kChannels; ++channel)
    key.SetText(managed::kGammaValues[channel], gamma_.Stored(channel));
  key.Close();
}

void CMyPage3::ShowGamma(const GammaTexts& texts) {
  gamma_.ShowStored(controls(), texts);
  UpdateData(true);
  UpdateData(false);
  gamma_.ShowLink(controls());
}

void CMyPage3::Default() {
  for (int row = 0; row < display::kRows; ++row)
    controls().SetCurrentIndex(display::ListId(row), 1);
  newChoice_ = 1;
  prompt_ = true;
  controls().SetCheck(IDC_MODE_PROMPT, true);
  gamma_.ShowDefault(controls(), "1");
  UpdateData(true);
  UpdateData(false);
}

bool CMyPage3::OnPageCommand(int id, int notification) {
  if (notification == ui::kSelectionChange) {
    if (id >= display::ListId(0) && id <= display::ListId(display::kRows - 1)) {
      EnableApplyAndReset(true);
      return true;
    }
    if (id == IDC_MODE_DEPTH || id == IDC_MODE_SIZE) {
      controls().Enable(IDC_MODE_SET, true);
      return true;
    }
    return false;
  }
  if (notification != ui::kClicked) return false;
  switch (id) {
    case IDC_MODE_SET:
      Set();
      return true;
    case IDC_MODE_PROMPT:
      prompt_ = controls().IsChecked(IDC_MODE_PROMPT);
      return true;
    case IDC_DESKTOP_LINK_RGB:
      gamma_.LinkClicked(controls());
      return true;
    default:
      return false;
  }
}

int CMyPage3::OnDeltaPos(int id, int delta) {
  const int channel = gamma_.ChannelOf(id);
  if (channel < 0) return 0;
  UpdateData(true);
  gamma_.Step(channel, delta);
  UpdateData(false);
  EnableApplyAndReset(true);
  return 0;
}

void CMyPage3::DoDataExchange(ui::DataExchange& exchange) {
  gamma_.Exchange(exchange);
}

bool CMyPage3::Is95() const { return family_ == family::kWindows95; }

std::vector<std::string> CMyPage3::TargetCards() const {
  return flags::TargetCards(cards_, applyAll_, selected_);
}

void CMyPage3::WriteRowText(const std::string& card, const std::string& keyText,
                            const std::string& text) {
  for (const char* depth : managed::kModeDepths)
    WriteText(services().registry, ModeKey(card, depth, keyText),
              names::kRefreshRate, text);
}

void CMyPage3::WriteModeRefresh(const std::string& card,
                                const std::string& keyText, int position) {
  WriteRowText(card, keyText, display::ChoiceText(position));
}

bool CMyPage3::ReadRate(const std::string& valueName, std::uint32_t& hertz) {
  CRegistryKey key(services().registry);
  if (key.OpenToRead(os::kMachine, CardKey(family_, selected_)) !=
      os::error::kSuccess)
    return false;
  const bool read = key.QueryDword(valueName, hertz) == os::error::kSuccess;
  key.Close();
  return read;
}

void CMyPage3::WriteRate(const std::string& valueName, std::uint32_t hertz) {
  for (const std::string& card : TargetCards()) {
    CRegistryKey key(services().registry);
    if (key.Open(os::kMachine, CardKey(family_, card)) != os::error::kSuccess)
      continue;
    key.SetDword(valueName, hertz);
    key.Close();
  }
}

std::string CMyPage3::NotStoredText(const std::vector<Refusal>& refused) {
  return settings::NotStoredMessage(services().registry, family_, kDisplaySettings,
                                    refused);
}
