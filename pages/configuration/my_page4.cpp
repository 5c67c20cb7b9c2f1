#include "pages/configuration/my_page4.h"

#include "machine/cards.h"
#include "machine/not_stored.h"
#include "machine/os_family.h"
#include "machine/run_entry.h"
#include "machine/vendor_settings.h"
#include "res/controls.h"
#include "res/resource.h"
#include "store/flags.h"
#include "store/names.h"
#include "store/registry_key.h"
#include "store/single_value.h"
#include "ui/app_message.h"

CMyPage4::CMyPage4(os::Services& services)
    : SettingsPage(IDD_CONFIGURATION,
                   {IDC_CONFIG_DEFAULT, IDC_CONFIG_RESET, IDC_CONFIG_APPLY},
                   services) {}

bool CMyPage4::OnInitDialog() {
  PropertyPage::OnInitDialog();
  family_ = OsFamily(services().system);
  savedIndex_ = 0;

  std::string selected, glide2, glide3, directX;
  CRegistryKey key(services().registry);
  if (key.OpenToRead(os::kMachine, names::kCommon) == os::error::kSuccess) {
    key.QueryText(names::kSelectedDisplay, selected);
    key.QueryText(names::kDisplayNumber, cardCount_);
    key.QueryText(names::kApplyAll, applyAll_);
    key.QueryText(names::kGlide2Version, glide2);
    key.QueryText(names::kGlide3Version, glide3);
    key.QueryText(names::kDirectXVersion, directX);
    key.QueryText(names::kLoadTray, tray_);
    key.QueryText(names::kStartMin, startHidden_);
    key.Close();
  }

  cards_ = ListCards(services().registry, family_);
  for (std::size_t i = 0; i < cards_.size(); ++i) {
    // A card whose description cannot be read shows an empty entry rather
    // than the card before it.
    std::string description;
    ReadText(services().registry, CardKey(family_, cards_[i]),
             names::kDriverDesc, description);
    controls().AddItem(IDC_CARD_COMBO, description);
    if (cards_[i] == selected) savedIndex_ = static_cast<int>(i);
  }
  // The versions are those of the card the combo shows: the stored one, or
  // the first when the stored selection names no listed card. Opening the
  // key of a card that is not listed would create it.
  if (HasCard(savedIndex_))
    ReadVersions(cards_[savedIndex_], savedDriverVersion_, savedRevision_);

  controls().SetCurrentIndex(IDC_CARD_COMBO, savedIndex_);
  workingDriverVersion_ = savedDriverVersion_;
  workingRevision_ = savedRevision_;

  if (cardCount_ != "1") {
    controls().Enable(IDC_APPLY_ALL, true);
    if (flags::IsOn(flags::kApplyAll, applyAll_)) {
      controls().SetCheck(IDC_APPLY_ALL, true);
      applyAll_ = flags::Text(true);
    }
  } else {
    controls().SetCheck(IDC_APPLY_ALL, false);
  }

  ShowVersion(IDC_HW_REVISION, savedRevision_);
  ShowVersion(IDC_DRIVER_VERSION, savedDriverVersion_);
  ShowVersion(IDC_GLIDE2_VERSION, glide2);
  ShowVersion(IDC_GLIDE3_VERSION, glide3);
  ShowVersion(IDC_DIRECTX_VERSION, directX);

  if (flags::IsOn(flags::kLoadTray, tray_)) {
    controls().SetCheck(IDC_LOAD_TRAY, true);
    controls().Enable(IDC_START_MINIMIZED, true);
    tray_ = flags::Text(true);
  }
  if (flags::IsOn(flags::kStartMin, startHidden_))
    controls().SetCheck(IDC_START_MINIMIZED, true);
  else
    startHidden_ = flags::Text(false);
  return true;
}

void CMyPage4::Activate() {
  controls().SetCurrentIndex(IDC_CARD_COMBO, savedIndex_);
  ShowApplyAll();
  ShowVersion(IDC_DRIVER_VERSION, savedDriverVersion_);
  ShowVersion(IDC_HW_REVISION, savedRevision_);
  // Without a card there is no flag to read, and a missing flag is on.
  controls().SetCheck(IDC_OVERRIDE_VENDOR,
                      !HasCard(savedIndex_) || ReadOverride(cards_[savedIndex_]));

  const bool trayOn = flags::IsOn(flags::kLoadTray, tray_);
  controls().Enable(IDC_START_MINIMIZED, trayOn);
  controls().SetCheck(IDC_LOAD_TRAY, trayOn);
  controls().SetCheck(IDC_START_MINIMIZED, flags::IsOn(flags::kStartMin, startHidden_));

  controls().SetCheck(IDC_LOAD_AT_STARTUP,
                      flags::Read(services().registry, names::kCommon,
                                  flags::kLoadStartup));

  if (family_ == family::kWindows95)
    CleanVendorSettings(services().registry, cards_);
}

bool CMyPage4::OnPageCommand(int id, int notification) {
  if (id == IDC_CARD_COMBO && notification == ui::kSelectionChange) {
    Select();
    return true;
  }
  if (notification != ui::kClicked) return false;
  switch (id) {
    case IDC_APPLY_ALL:
    case IDC_START_MINIMIZED:
    case IDC_LOAD_AT_STARTUP:
    case IDC_OVERRIDE_VENDOR:
      EnableApplyAndReset(true);
      return true;
    case IDC_LOAD_TRAY:
      TrayClick();
      return true;
    default:
      return false;
  }
}

void CMyPage4::Select() {
  const int index = controls().CurrentIndex(IDC_CARD_COMBO);
  if (!HasCard(index)) {
    AppMessageBox(services(), kNeedCardMessage);
    return;
  }
  ReadVersions(cards_[index], workingDriverVersion_, workingRevision_);
  ShowVersion(IDC_DRIVER_VERSION, workingDriverVersion_);
  ShowVersion(IDC_HW_REVISION, workingRevision_);
  controls().SetCheck(IDC_OVERRIDE_VENDOR, ReadOverride(cards_[index]));
  EnableApplyAndReset(true);
}

void CMyPage4::TrayClick() {
  if (controls().IsChecked(IDC_LOAD_TRAY)) {
    controls().Enable(IDC_START_MINIMIZED, true);
  } else {
    controls().SetCheck(IDC_START_MINIMIZED, false);
    controls().Enable(IDC_START_MINIMIZED, false);
  }
  EnableApplyAndReset(true);
}

void CMyPage4::Default() {
  controls().SetCurrentIndex(IDC_CARD_COMBO, savedIndex_);
  controls().SetCheck(IDC_APPLY_ALL, cardCount_ != "1");
  ShowVersion(IDC_DRIVER_VERSION, savedDriverVersion_);
  ShowVersion(IDC_HW_REVISION, savedRevision_);
  workingDriverVersion_ = savedDriverVersion_;
  workingRevision_ = savedRevision_;
  controls().SetCheck(IDC_OVERRIDE_VENDOR, true);
  controls().SetCheck(IDC_LOAD_TRAY, true);
  controls().Enable(IDC_START_MINIMIZED, true);
  controls().SetCheck(IDC_START_MINIMIZED, false);
  controls().SetCheck(IDC_LOAD_AT_STARTUP, false);
}

void CMyPage4::Apply() {
  // Without a current entry the stored selection stays; without any card
  // there is no card key to write.
  const int current = controls().CurrentIndex(IDC_CARD_COMBO);
  if (HasCard(current)) savedIndex_ = current;
  const bool applyAll = controls().IsChecked(IDC_APPLY_ALL);
  const bool trayOn = controls().IsChecked(IDC_LOAD_TRAY);
  const bool startHidden = controls().IsChecked(IDC_START_MINIMIZED);
  const bool loadStartup = controls().IsChecked(IDC_LOAD_AT_STARTUP);
  const bool override = controls().IsChecked(IDC_OVERRIDE_VENDOR);

  const bool hasCard = HasCard(savedIndex_);
  const std::string selected = hasCard ? cards_[savedIndex_] : std::string();
  savedDriverVersion_ = workingDriverVersion_;
  savedRevision_ = workingRevision_;
  applyAll_ = flags::Text(applyAll);
  tray_ = flags::Text(trayOn);
  startHidden_ = flags::Text(startHidden);

  CRegistryKey key(services().registry);
  if (key.Open(os::kMachine, names::kCommon) == os::error::kSuccess) {
    if (hasCard) key.SetText(names::kSelectedDisplay, selected);
    key.SetText(names::kApplyAll, applyAll_);
    // "startmin" goes first: the tray icon off with "startmin" still "1"
    // would start the program with neither window nor icon.
    const bool startHiddenStored =
        key.SetText(names::kStartMin, startHidden_) == os::error::kSuccess;
    if (trayOn || startHiddenStored) key.SetText(names::kLoadTray, tray_);
    key.SetText(names::kLoadStartup, flags::Text(loadStartup));
    key.Close();
  }
  if (loadStartup)
    WriteRunEntry(services());
  else
    DeleteRunEntry(services().registry);

  for (const std::string& card :
       flags::TargetCards(cards_, applyAll_, selected))
    WriteText(services().registry, CardKey(family_, card), names::kOverride,
              flags::Text(override));

  if (family_ == family::kWindows95)
    CleanVendorSettings(services().registry, cards_);
}

void CMyPage4::ShowVersion(int id, const std::string& text) {
  controls().SetText(id, " " + text);
}

void CMyPage4::ShowApplyAll() {
  controls().SetCheck(IDC_APPLY_ALL,
                      cardCount_ != "1" && flags::IsOn(flags::kApplyAll, applyAll_));
}

bool CMyPage4::ReadOverride(const std::string& card) {
  return flags::Read(services().registry, CardKey(family_, card),
                     flags::kOverride);
}

// A card without recorded versions shows empty fields rather than those of
// the card shown before.
void CMyPage4::ReadVersions(const std::string& card, std::string& driverVersion,
                            std::string& revision) {
  driverVersion.clear();
  revision.clear();
  CRegistryKey key(services().registry);
  if (key.OpenToRead(os::kMachine, CardKey(family_, card)) != os::error::kSuccess)
    return;
  key.QueryText(names::kDriverVersion, driverVersion);
  key.QueryText(names::kHWRevision, revision);
  key.Close();
}

bool CMyPage4::HasCard(int index) const {
  return index >= 0 && static_cast<std::size_t>(index) < cards_.size();
}

std::string CMyPage4::NotStoredText(const std::vector<Refusal>& refused) {
  return settings::NotStoredMessage(services().registry, family_, kConfigurationSettings,
                                    refused);
}
