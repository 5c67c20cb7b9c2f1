// Apply of the Display page: the refresh rates, the gamma and the link flag,
// and the keep-or-revert of a new rate for the desktop's own size.
#include "machine/cards.h"
#include "pages/display/my_page3.h"
#include "pages/display/refresh_choices.h"
#include "pages/display/size_table.h"
#include "res/controls.h"
#include "store/flags.h"
#include "store/names.h"
#include "store/registry_key.h"
#include "store/single_value.h"
#include "ui/app_message.h"

void CMyPage3::Apply() {
  if (Is95())
    ApplyDisplay95();
  else
    ApplyDisplayNT();
}

// A new rate for the desktop's size is asked about only when the bounce went
// to a neighbour and back, so that the screen took it up. Otherwise, and
// after Cancel, the rate is written back and the screen bounced once more,
// which also brings back a screen left on a neighbour; a bounce that failed
// is told as the Windows NT change is.
void CMyPage3::ApplyDisplay95() {
  const int desktopRow = display::RowOf(desktop_.width, desktop_.height);
  int positions[display::kRows];
  for (int row = 0; row < display::kRows; ++row)
    positions[row] = controls().CurrentIndex(display::ListId(row));
  if (desktopRow >= 0) newChoice_ = positions[desktopRow];

  WriteText(services().registry, names::kCommon, names::kLinkRgb3,
            flags::Text(gamma_.linked));
  // On a desktop of a depth without mode keys the lists showed the driver's
  // default, not the stored rates: only the sizes the user changed go out.
  for (const std::string& card : TargetCards()) {
    for (int row = 0; row < display::kRows; ++row)
      if (modeKeyDepth_ || positions[row] != loadedChoices_[row])
        WriteModeRefresh(card, display::KeyText(row), positions[row]);
    WriteGamma(DriverKey(card));
  }

  if (desktopRow < 0 || newChoice_ == keptChoice_) return;
  desktop_.ReadDesktopMode();
  const std::string sizeText = display::KeyText(desktop_.width, desktop_.height);
  AppMessageBox(services(), kRefreshWillChangeMessage);
  const bool bounced = desktop_.BounceMode();
  if (bounced && AppQuestionWithTimeout(services(), kKeepRefreshMessage,
                                        kPreviousRate) == os::Answer::Ok) {
    keptChoice_ = newChoice_;
    return;
  }
  for (const std::string& card : TargetCards())
    WriteModeRefresh(card, sizeText, keptChoice_);
  const bool returned = desktop_.BounceMode();
  const int row = display::RowOf(desktop_.width, desktop_.height);
  if (row >= 0) controls().SetCurrentIndex(display::ListId(row), keptChoice_);
  if (!bounced || !returned)
    AppMessageBox(services(), kCannotChangeRefreshMessage);
}

// A list without a selected entry, like one showing "N/A", keeps the rate
// stored for its size.
void CMyPage3::ApplyDisplayNT() {
  std::uint32_t rates[display::kRows];
  for (int row = 0; row < display::kRows; ++row) {
    const int list = display::ListId(row);
    const int position = controls().CurrentIndex(list);
    rates[row] = position == ui::Controls::kNone
                     ? 0
                     : display::HzOfEntry(controls().ItemText(list, position));
  }
  const int desktopRow = display::RowOf(desktop_.width, desktop_.height);
  if (desktopRow >= 0)
    newChoice_ = controls().CurrentIndex(display::ListId(desktopRow));
  const std::string valueName =
      display::RateValueName(desktop_.width, desktop_.height);
  std::uint32_t oldRate = 0;
  ReadRate(valueName, oldRate);

  WriteText(services().registry, names::kCommon, names::kLinkRgb3,
            flags::Text(gamma_.linked));
  for (const std::string& card : TargetCards()) {
    CRegistryKey key(services().registry);
    if (key.Open(os::kMachine, CardKey(family_, card)) != os::error::kSuccess)
      continue;
    for (int row = 0; row < display::kRows; ++row)
      if (rates[row] != 0) key.SetDword(display::RateValueName(row), rates[row]);
    key.Close();
    const std::string devicePath = DevicePath(services().registry, card);
    if (!devicePath.empty()) WriteGamma(devicePath);
  }

  if (desktopRow >= 0 && newChoice_ != ui::Controls::kNone &&
      newChoice_ != keptChoice_) {
    std::uint32_t newRate = 0;
    ReadRate(valueName, newRate);
    ChangeRateNT(valueName, oldRate, newRate);
  }
  LoadRefreshNT();
}

// The desktop changes only when the platform lists its depth and size at the
// new rate and at the old one, so that Cancel can always go back. Otherwise,
// and when the platform rejects the new mode, in its test or in the change
// itself, the old rate is stored again and the user told. A rate of 0 is
// none: nothing was stored. The new mode becomes the platform's display
// setting only once it is kept.
void CMyPage3::ChangeRateNT(const std::string& valueName, std::uint32_t oldRate,
                            std::uint32_t newRate) {
  const auto modeAt = [&](std::uint32_t hertz) {
    return hertz == 0 ? display::kNoMode : desktop_.ModeIndexForRate(hertz);
  };
  const int newMode = modeAt(newRate);
  const int oldMode = modeAt(oldRate);
  Outcome outcome = Outcome::Failed;
  if (newMode != display::kNoMode && oldMode != display::kNoMode) {
    AppMessageBox(services(), kRefreshWillChangeMessage);
    if (desktop_.ChangeToMode(newMode, os::ChangeFlags::Now) ==
        os::display_change::kSuccessful)
      outcome = KeepChangedMode(newMode, oldMode, kKeepRefreshMessage,
                                kPreviousRate);
  }
  if (outcome == Outcome::Kept) {
    keptChoice_ = newChoice_;
    return;
  }
  if (oldRate != 0) WriteRate(valueName, oldRate);
  if (outcome == Outcome::Failed)
    AppMessageBox(services(), kCannotChangeRefreshMessage);
}
