#include "pages/configuration/my_page4.h"

#include "app/card_detection.h"
#include "app/os_family.h"
#include "app/run_entry.h"
#include "app/vendor_settings.h"
#include "res/controls.h"
#include "res/resource.h"
#include "store/names.h"
#include "store/registry_key.h"
#include "store/single_value.h"
#include "ui/app_message.h"

namespace {

constexpr os::Root kMachine = os::Root::LocalMachine;

bool IsOnByDefault(const std::string& flag) { return flag == "1" || flag.empty(); }

const char* Flag(bool on) { return on ? "1" : "0"; }

}  // namespace

CMyPage4::CMyPage4(os::Services& services)
    : PropertyPage(IDD_CONFIGURATION, services) {}

bool CMyPage4::OnInitDialog() {
  PropertyPage::OnInitDialog();
  family_ = OsFamily(services().system);
  savedIndex_ = 0;

  std::string selected, glide2, glide3, directX;
  CRegistryKey key(services().registry);
  if (key.Open(kMachine, names::kCommon) == os::error::kSuccess) {
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
  if (selected.empty() && !cards_.empty()) selected = cards_.front();
  if (!selected.empty())
    ReadVersions(selected, savedDriverVersion_, savedRevision_);

  controls().SetCurrentIndex(IDC_CARD_COMBO, savedIndex_);
  workingDriverVersion_ = savedDriverVersion_;
  workingRevision_ = savedRevision_;

  if (cardCount_ != "1") {
    controls().Enable(IDC_APPLY_ALL, true);
    if (IsOnByDefault(applyAll_)) {
      controls().SetCheck(IDC_APPLY_ALL, true);
      applyAll_ = "1";
    }
  } else {
    controls().SetCheck(IDC_APPLY_ALL, false);
  }

  ShowVersion(IDC_HW_REVISION, savedRevision_);
  ShowVersion(IDC_DRIVER_VERSION, savedDriverVersion_);
  ShowVersion(IDC_GLIDE2_VERSION, glide2);
  ShowVersion(IDC_GLIDE3_VERSION, glide3);
  ShowVersion(IDC_DIRECTX_VERSION, directX);

  if (IsOnByDefault(tray_)) {
    controls().SetCheck(IDC_LOAD_TRAY, true);
    controls().Enable(IDC_START_MINIMIZED, true);
    tray_ = "1";
  }
  if (startHidden_ == "1")
    controls().SetCheck(IDC_START_MINIMIZED, true);
  else
    startHidden_ = "0";
  return true;
}

bool CMyPage4::OnSetActive() {
  controls().SetCurrentIndex(IDC_CARD_COMBO, savedIndex_);
  ShowApplyAll();
  ShowVersion(IDC_DRIVER_VERSION, savedDriverVersion_);
  ShowVersion(IDC_HW_REVISION, savedRevision_);
  if (HasCard(savedIndex_))
    controls().SetCheck(IDC_OVERRIDE_VENDOR,
                        ReadOverride(cards_[savedIndex_]) != "0");

  const bool trayOn = IsOnByDefault(tray_);
  controls().Enable(IDC_START_MINIMIZED, trayOn);
  controls().SetCheck(IDC_LOAD_TRAY, trayOn);
  controls().SetCheck(IDC_START_MINIMIZED, startHidden_ == "1");

  std::string loadStartup;
  ReadText(services().registry, names::kCommon, names::kLoadStartup,
           loadStartup);
  controls().SetCheck(IDC_LOAD_AT_STARTUP, loadStartup == "1");

  if (family_ == family::kWindows95)
    CleanVendorSettings(services().registry, cards_);
  EnableApplyAndReset(false);
  return PropertyPage::OnSetActive();
}

bool CMyPage4::OnCommand(int id, int notification) {
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
    case IDC_CONFIG_DEFAULT:
      Default();
      return true;
    case IDC_CONFIG_APPLY:
      Apply();
      return true;
    case IDC_CONFIG_RESET:
      OnReset();
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
  controls().SetCheck(IDC_OVERRIDE_VENDOR, ReadOverride(cards_[index]) != "0");
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
  EnableApplyAndReset(true);
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
  applyAll_ = Flag(applyAll);
  tray_ = Flag(trayOn);
  startHidden_ = Flag(startHidden);

  CRegistryKey key(services().registry);
  if (key.Open(kMachine, names::kCommon) == os::error::kSuccess) {
    if (hasCard) key.SetText(names::kSelectedDisplay, selected);
    key.SetText(names::kApplyAll, applyAll_);
    key.SetText(names::kLoadTray, tray_);
    key.SetText(names::kStartMin, startHidden_);
    key.SetText(names::kLoadStartup, Flag(loadStartup));
    key.Close();
  }
  if (loadStartup)
    WriteRunEntry(services());
  else
    DeleteRunEntry(services().registry);

  std::vector<std::string> targets;
  if (IsOnByDefault(applyAll_))
    targets = cards_;
  else if (hasCard)
    targets = {selected};
  for (const std::string& card : targets)
    WriteText(services().registry, CardKey(family_, card), names::kOverride,
              Flag(override));

  if (family_ == family::kWindows95)
    CleanVendorSettings(services().registry, cards_);
  EnableApplyAndReset(false);
}

void CMyPage4::EnableApplyAndReset(bool enabled) {
  controls().Enable(IDC_CONFIG_APPLY, enabled);
  controls().Enable(IDC_CONFIG_RESET, enabled);
}

void CMyPage4::ShowVersion(int id, const std::string& text) {
  controls().SetText(id, " " + text);
}

void CMyPage4::ShowApplyAll() {
  controls().SetCheck(IDC_APPLY_ALL,
                      cardCount_ != "1" && IsOnByDefault(applyAll_));
}

std::string CMyPage4::ReadOverride(const std::string& card) {
  std::string flag;
  ReadText(services().registry, CardKey(family_, card), names::kOverride,
           flag);
  return flag;
}

// A card without recorded versions shows empty fields rather than those of
// the card shown before.
void CMyPage4::ReadVersions(const std::string& card, std::string& driverVersion,
                            std::string& revision) {
  driverVersion.clear();
  revision.clear();
  CRegistryKey key(services().registry);
  if (key.Open(kMachine, CardKey(family_, card)) != os::error::kSuccess) return;
  key.QueryText(names::kDriverVersion, driverVersion);
  key.QueryText(names::kHWRevision, revision);
  key.Close();
}

bool CMyPage4::HasCard(int index) const {
  return index >= 0 && static_cast<std::size_t>(index) < cards_.size();
}
